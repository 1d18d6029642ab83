// The score file through a full disk and through a kill at every system call of a store:
// whatever happens, the file on disk is a whole table, the old one or the new one, and never
// a torn, shifted or empty one.
#include <signal.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <optional>

#include "support/score_folder.h"
#include "support/test_game.h"

namespace zarvo::test {
namespace {

using File = std::optional<Bytes>;  // nothing: no file at all

constexpr int No_Tracing = 77;

struct Score_Store : ::testing::Test {
    Score_Folder folder;
    Test_Game t;
    Screen_State& c() { return t.w().screens; }

    File file() const {
        if (!std::filesystem::exists(folder.path)) return std::nullopt;
        return folder.bytes();
    }
    void put(const File& f) const {
        std::filesystem::remove(folder.path);
        if (f) folder.write(*f);
    }
    // Only the score file stands in the folder: no temporary file is left behind.
    int files_in_folder() const {
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder.dir),
                                              std::filesystem::directory_iterator{}));
    }
    void store_first_place(const char* name, int32_t score) {
        Store_Score(t.g, 2, 11, name, score);
    }

    // Runs the action in a child process that is stopped at the entry and the exit of each
    // of its system calls in turn and killed there, the file set to `start` each time.
    // Answers the file after each kill; the last entry is the file after a run that finished.
    std::vector<File> kill_at_every_system_call(const File& start,
                                                const std::function<void()>& action) {
        std::vector<File> seen;
        for (int kill_at = 0;; ++kill_at) {
            put(start);
            const pid_t child = ::fork();
            if (child == 0) {
                if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) ::_exit(No_Tracing);
                ::raise(SIGSTOP);
                action();
                ::_exit(0);
            }
            int status = 0;
            ::waitpid(child, &status, 0);
            if (WIFEXITED(status) && WEXITSTATUS(status) == No_Tracing) return {};
            ::ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_EXITKILL | PTRACE_O_TRACESYSGOOD);
            bool finished = false;
            for (int stops = 0, signal = 0;; signal = 0) {
                ::ptrace(PTRACE_SYSCALL, child, nullptr, signal);
                ::waitpid(child, &status, 0);
                if (WIFEXITED(status) || WIFSIGNALED(status)) {
                    finished = true;
                    break;
                }
                if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
                    signal = WSTOPSIG(status);  // an ordinary signal goes on to the child
                    continue;
                }
                if (stops++ == kill_at) {
                    ::kill(child, SIGKILL);
                    ::waitpid(child, &status, 0);
                    break;
                }
            }
            seen.push_back(file());
            if (finished || kill_at > 2000) return seen;
        }
    }

    // Every kill left the old file or the finished run's file, and both happened.
    void expect_old_or_new(const File& old, const std::vector<File>& seen, const char* what) {
        const File& fresh = seen.back();
        ASSERT_NE(fresh, old) << what;
        int olds = 0, news = 0;
        for (size_t k = 0; k < seen.size(); ++k) {
            olds += seen[k] == old;
            news += seen[k] == fresh;
            EXPECT_TRUE(seen[k] == old || seen[k] == fresh)
                << what << ": a kill at system-call stop " << k << " left "
                << (seen[k] ? std::to_string(seen[k]->size()) + " other bytes" : "no file");
        }
        EXPECT_GT(olds, 0) << what;
        EXPECT_GT(news, 1) << what;
    }
};

TEST_F(Score_Store, AKillAtAnyInstantLeavesTheOldOrTheNewTable) {
    const File none;
    const auto created = kill_at_every_system_call(none, [&] { Open_Score(t.g); });
    if (created.empty()) GTEST_SKIP() << "processes cannot be traced here";
    expect_old_or_new(none, created, "creating the file");
    ASSERT_TRUE(created.back());
    EXPECT_EQ(created.back()->size(), 496u);

    Bytes longer = *created.back();
    longer.insert(longer.end(), {1, 2, 3});  // bytes beyond the table are kept as they are
    Open_Score(t.g);
    expect_old_or_new(longer,
                      kill_at_every_system_call(longer, [&] { store_first_place("KILL", 99999); }),
                      "storing a new first place");
    c().Score_Difficulty = 3;
    expect_old_or_new(longer, kill_at_every_system_call(longer, [&] { Delete_Score(t.g); }),
                      "deleting a table");
    Bytes short_file(longer.begin(), longer.begin() + 200);
    expect_old_or_new(short_file, kill_at_every_system_call(short_file, [&] { Open_Score(t.g); }),
                      "completing a short file");
}

// The disk fills up: writes beyond a few bytes fail, as on a full drive.
struct Full_Disk {
    rlimit before{};
    explicit Full_Disk(rlim_t bytes) {
        ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &before);
        rlimit full = before;
        full.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &full);
    }
    ~Full_Disk() { ::setrlimit(RLIMIT_FSIZE, &before); }
};

TEST_F(Score_Store, AFullDiskLeavesNoFileBehindAndTheOldTableStanding) {
    {
        Full_Disk full(200);
        Open_Score(t.g);
    }
    EXPECT_TRUE(c().Drive_Error);
    EXPECT_FALSE(file()) << "a new file must be the whole table or nothing";
    EXPECT_EQ(files_in_folder(), 0);
    Open_Score(t.g);  // the next run finds no file and creates the whole default table
    EXPECT_FALSE(c().Drive_Error);
    ASSERT_EQ(file()->size(), 496u);
    EXPECT_EQ(c().Score_Points[30], 10000);

    const File before = file();
    {
        Full_Disk full(100);
        store_first_place("FULL", 99999);
    }
    EXPECT_TRUE(c().Drive_Error);  // "DRIVE ERROR" as with any failed store
    EXPECT_EQ(file(), before);
    EXPECT_EQ(files_in_folder(), 1);

    put(Bytes(160, 0));  // a short file on a full disk is not taken for a table either
    {
        Full_Disk full(100);
        Open_Score(t.g);
    }
    EXPECT_TRUE(c().Drive_Error);
    EXPECT_EQ(file(), File(Bytes(160, 0)));
}

// A game over with this score, the name entry accepted at once.
void Store_As_A_Game_Would(Test_Game& game, int32_t score) {
    game.s().Sponsor_On = false;
    game.s().Difficulty = 1, game.s().Score = score;
    game.s().Set_Score_New_On = true;
    game.run(1);
    game.key(Key_Code::Enter);
    game.run(1);
}

// Two games, started together, store five best scores each into the default table, the
// second through `second_path` when one is given; answers how many of the ten the table holds
// afterwards.
int Entries_Kept_By_Two_Games(Test_Game& t, const std::string& second_path = {}) {
    Open_Score(t.g);
    int go[2];
    if (::pipe(go) != 0) return -1;
    pid_t games[2];
    for (int k = 0; k < 2; ++k) {
        games[k] = ::fork();
        if (games[k] != 0) continue;
        ::close(go[1]);
        if (k == 1 && !second_path.empty()) Set_Score_File_Path(second_path.c_str());
        std::unique_ptr<Test_Game> game[5];
        for (auto& g : game) g = std::make_unique<Test_Game>(1, false);
        char c;
        (void)!::read(go[0], &c, 1);  // both start when the pipe closes
        for (int i = 0; i < 5; ++i) Store_As_A_Game_Would(*game[i], 200000 + 100000 * k + i);
        ::_exit(0);
    }
    ::close(go[0]);
    ::close(go[1]);
    for (const pid_t game : games) ::waitpid(game, nullptr, 0);
    Score_File_Bytes table;
    Score_Disk disk;
    disk.Open_Existing();
    disk.Read_Whole_Records(table);
    int kept = 0;
    for (int record = 1; record <= 10; ++record)
        kept += Decode_Score_Record(table + Score_Record_Size * record).Points >= 200000;
    return kept;
}

// Two games storing at the same moment: all their entries stand, round after round.
TEST_F(Score_Store, TwoGamesStoringAtOnceLoseNoEntry) {
    int kept = 0;
    for (int round = 0; round < 20; ++round) {
        put(std::nullopt);
        kept += Entries_Kept_By_Two_Games(t);
    }
    EXPECT_EQ(kept, 200);
    EXPECT_EQ(files_in_folder(), 1);
}

// One table reached by two paths: a link to it in another folder, and its own name. The lock
// is the one of the file's own folder, whichever path a game takes.
TEST_F(Score_Store, TwoGamesThroughALinkAndTheFileLoseNoEntry) {
    const std::string links = folder.dir + "/links";
    std::filesystem::create_directory(links);
    std::filesystem::create_symlink(folder.path, links + "/Zarvo.Scr");
    int kept = 0;
    for (int round = 0; round < 20; ++round) {
        put(std::nullopt);
        kept += Entries_Kept_By_Two_Games(t, links + "/Zarvo.Scr");
    }
    EXPECT_EQ(kept, 200);
    EXPECT_TRUE(std::filesystem::is_symlink(links + "/Zarvo.Scr"));
}

// A game that took the table's lock and does not let it go: stopped (SIGSTOP) while storing.
struct Stopped_Holder {
    pid_t pid = -1;
    explicit Stopped_Holder(const std::string& path) {
        int ready[2];
        if (::pipe(ready) != 0) return;
        pid = ::fork();
        if (pid == 0) {
            Set_Score_File_Path(path.c_str());
            Score_File_Lock held;
            (void)!::write(ready[1], "x", 1);
            ::raise(SIGSTOP);
            ::_exit(0);
        }
        char c;
        ::close(ready[1]);
        (void)!::read(ready[0], &c, 1);
        ::close(ready[0]);
    }
    ~Stopped_Holder() {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
};

// Runs the action in a child that an alarm ends after `seconds`; answers the action's answer,
// or 128 + the signal that ended it. A game that waits for ever fails instead of hanging.
int Child_Within(int seconds, const std::function<int()>& action) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(static_cast<unsigned>(seconds));
        ::_exit(action());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// While a stopped game holds the table, storing, deleting, creating and completing it each
// give up after a short wait with DRIVE ERROR and leave the file as it was; once that game is
// gone the table works again.
TEST_F(Score_Store, ATableHeldByAStoppedGameShowsDriveErrorWithoutWaitingForEver) {
    Open_Score(t.g);
    const File before = file();
    const int drive_error = 1;
    auto answer = [&] { return c().Drive_Error ? drive_error : 0; };
    {
        Stopped_Holder holder(folder.path);
        EXPECT_EQ(Child_Within(20, [&] { return store_first_place("WAIT", 99999), answer(); }),
                  drive_error);
        EXPECT_EQ(Child_Within(20, [&] { return Delete_Score(t.g), answer(); }), drive_error);
        EXPECT_EQ(file(), before);
        const Bytes short_file(before->begin(), before->begin() + 200);
        put(short_file);
        EXPECT_EQ(Child_Within(20, [&] { return Open_Score(t.g), answer(); }), drive_error);
        EXPECT_EQ(file(), File(short_file)) << "completed while another game held the table";
        put(std::nullopt);
        EXPECT_EQ(Child_Within(20, [&] { return Open_Score(t.g), answer(); }), drive_error);
        EXPECT_FALSE(file()) << "created while another game held the table";
    }
    Open_Score(t.g);
    EXPECT_FALSE(c().Drive_Error);
    EXPECT_EQ(file(), before);
}

// Temporary files of games that were killed while storing go at the next store; one of a
// game still running stays.
TEST_F(Score_Store, StaleTemporaryFilesOfEndedGamesAreRemoved) {
    Open_Score(t.g);
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string dead = folder.path + "." + std::to_string(ended) + ".new";
    const std::string alive = folder.path + "." + std::to_string(::getppid()) + ".new";
    for (const std::string& name : {dead, alive}) std::ofstream(name) << "x";
    store_first_place("NEXT", 99999);
    EXPECT_FALSE(std::filesystem::exists(dead));
    EXPECT_TRUE(std::filesystem::exists(alive));
}

// A platform that keeps the file elsewhere (a browser's storage) and is refused: the store
// fails as on a full disk, and the keeper has put the old table back.
TEST_F(Score_Store, AStoreItsKeeperRefusesFailsAndKeepsTheOldTable) {
    Open_Score(t.g);
    static const Score_Folder* kept_in;
    static Bytes kept;
    kept_in = &folder, kept = *file();
    Set_Score_File_Keeper([] {
        kept_in->write(kept);
        return false;
    });
    store_first_place("REFUSED", 99999);
    Set_Score_File_Keeper(nullptr);
    EXPECT_TRUE(c().Drive_Error);
    EXPECT_EQ(file(), File(kept));
}

}  // namespace
}  // namespace zarvo::test
