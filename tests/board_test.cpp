// The score board against the real thing, on SQLite and on a throw-away PostgreSQL cluster:
// the same API tests on both. A verified run is listed; tampered runs are refused with their
// reason; a duplicate is refused; the limits answer as documented; a run with code words stays
// off the tables; eight workers verify two hundred runs, each exactly once; a worker killed
// mid-verification loses nothing; the day's game has a table of its own. The server runs in this
// process, the workers are the real program (zarvo-board --worker), each replay in a child of its
// own.
#include <gtest/gtest.h>
#include <httplib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "driver/board/board_json.h"
#include "driver/board/board_limits.h"
#include "driver/board/board_server.h"
#include "driver/board/board_store.h"
#include "driver/headless/runner.h"
#include "game/daily.h"
#include "game/run_file.h"
#include "support/read_file.h"
#include "support/score_folder.h"
#include "support/test_game.h"

extern char** environ;

namespace zarvo::test {
namespace {

namespace fs = std::filesystem;

// A run of the random player, as `zarvo --headless --monkey SEED --record` keeps it.
// With `game_seed`, the game's seed is that one instead of the monkey's.
std::string Monkey_Run(const std::string& dir, uint32_t seed, int32_t frames,
                       std::optional<uint32_t> game_seed = std::nullopt) {
    Headless_Options o;
    o.Monkey = seed;
    o.Seed = game_seed;
    o.Frames = frames;
    o.Record = dir + "/monkey" + std::to_string(seed) + ".zrun";
    o.Game_Version = "board-test";
    std::ostringstream err;
    if (Run_Headless(o, Test_Assets(), err) != 0) ADD_FAILURE() << err.str();
    return Read_File(o.Record);
}

// Replaces the first line that begins with `start` by `line` (the whole line, no line end).
std::string With_Line(std::string run, const std::string& start, const std::string& line) {
    const size_t at = run.find("\n" + start) + 1;
    run.replace(at, run.find('\n', at) - at, line);
    return run;
}

pid_t Spawn(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    return pid;
}

int Wait_For(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What every test shares: the runs (made once) and the PostgreSQL cluster (started once).
struct Shared {
    Score_Folder scores;  // the monkey's tables, away from the player's
    std::string pg_dir, pg_url, good, second, codes, daily;

    Shared() {
        good = Monkey_Run(scores.dir, 1, 600);
        second = Monkey_Run(scores.dir, 2, 600);
        codes = Monkey_Run(scores.dir, 6, 3000);  // the random player types a code word here
        // Today's NOVICE game: the title's difficulty, on the day's seed.
        daily = Monkey_Run(scores.dir, 3, 600, Daily_Seed(Utc_Day(std::time(nullptr)), 1));
        char pg_folder[] = "/tmp/zarvo_pg_XXXXXX";  // reachable by the server's own user
        pg_dir = mkdtemp(pg_folder) ? pg_folder : "/tmp/zarvo_pg";
        const std::string start = std::string(ZARVO_SOURCE_DIR "/scripts/pg-scratch start ") +
                                  pg_dir + " " + std::to_string(40000 + getpid() % 20000);
        if (FILE* p = popen(start.c_str(), "r")) {
            char line[256] = {};
            if (fgets(line, sizeof line, p)) pg_url = line;
            pclose(p);
            while (!pg_url.empty() && pg_url.back() == '\n') pg_url.pop_back();
        }
    }
    ~Shared() {
        const std::string stop = std::string(ZARVO_SOURCE_DIR "/scripts/pg-scratch stop ") + pg_dir;
        if (std::system(stop.c_str()) != 0)
            std::fprintf(stderr, "could not stop %s\n", pg_dir.c_str());
    }
};
Shared* shared = nullptr;

class Board : public testing::TestWithParam<const char*> {
  protected:
    std::string db;
    std::unique_ptr<Board_Server> server;
    std::thread serving;
    std::unique_ptr<httplib::Client> client;
    std::unique_ptr<Board_Store> store;
    static inline int counter = 0;

    void SetUp() override {
        if (std::string(GetParam()) == "sqlite") {
            db = shared->scores.dir + "/board" + std::to_string(++counter) + ".db";
        } else {
            ASSERT_FALSE(shared->pg_url.empty()) << "the PostgreSQL cluster did not start";
            db = shared->pg_url;
            std::string error;
            auto clean = Open_Board_Store(db, error);
            ASSERT_TRUE(clean) << error;
            std::system(("psql -q '" + db + "' -c 'TRUNCATE runs' >/dev/null").c_str());
        }
    }

    void Start(Board_Limits limits = {}) {
        Board_Server_Options o;
        o.Db = db;
        o.Port = 0;
        o.Limits = limits;
        server = std::make_unique<Board_Server>(o);
        std::string error;
        ASSERT_TRUE(server->Start(error)) << error;
        serving = std::thread([this] { server->Serve(); });
        while (!server->Serving()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        client = std::make_unique<httplib::Client>("127.0.0.1", server->Port());
        store = Open_Board_Store(db, error);
        ASSERT_TRUE(store) << error;
    }

    void TearDown() override {
        if (server) server->Stop();
        if (serving.joinable()) serving.join();
    }

    httplib::Result Post(const std::string& run) {
        return client->Post("/runs", run, "text/plain");
    }

    // Sends a run that must be taken, answering its id.
    int64_t Send(const std::string& run) {
        const auto r = Post(run);
        EXPECT_TRUE(r);
        if (!r) return 0;
        EXPECT_EQ(r->status, 202) << r->body;
        const size_t at = r->body.find("\"id\":");
        return at == std::string::npos ? 0 : std::stoll(r->body.substr(at + 5));
    }

    std::vector<std::string> Worker_Args(const std::vector<std::string>& more = {}) {
        std::vector<std::string> a = {ZARVO_BOARD_BINARY, "--worker",     "--db", db,
                                      "--assets",         ZARVO_ASSET_DIR};
        a.insert(a.end(), more.begin(), more.end());
        return a;
    }

    // Verifies every waiting run with one worker until none waits.
    void Verify_All() { ASSERT_EQ(Wait_For(Spawn(Worker_Args({"--until-empty"}))), 0); }

    Board_Run Run(int64_t id) {
        Board_Run run;
        EXPECT_TRUE(store->Find_Run(id, run)) << "run " << id << " " << store->Last_Error();
        return run;
    }

    std::string Body(const std::string& path) {
        const auto r = client->Get(path.c_str());
        return r ? r->body : "";
    }
};

TEST_P(Board, AVerifiedRunIsListedAndGivenBack) {
    Start();
    const int64_t id = Send(shared->good);
    EXPECT_NE(Body("/runs/" + std::to_string(id)).find("\"state\":\"pending\""), std::string::npos);
    Verify_All();
    const Board_Run run = Run(id);
    EXPECT_EQ(run.State, Run_State::Verified) << run.Verdict.Reason;
    EXPECT_TRUE(run.Listed);
    EXPECT_EQ(run.Verdict.Score, run.Claimed_Score);
    EXPECT_EQ(run.Attempts, 1);
    const std::string json = Body("/runs/" + std::to_string(id));
    EXPECT_NE(json.find("\"state\":\"verified\""), std::string::npos) << json;
    const std::string table = Body("/tables/" + std::to_string(run.Verdict.Difficulty));
    EXPECT_NE(table.find("\"id\":" + std::to_string(id) + ","), std::string::npos) << table;
    EXPECT_NE(table.find("\"month_best\":[{\"id\":" + std::to_string(id)), std::string::npos)
        << table;
    EXPECT_EQ(Body("/runs/" + std::to_string(id) + "/file"), shared->good);
    EXPECT_NE(Body("/").find("#watch=/runs/" + std::to_string(id) + "/file"), std::string::npos);
}

struct Tampering {
    const char* what;
    std::string run;
    const char* reason;
};

TEST_P(Board, EveryTamperedRunIsRefusedWithItsReason) {
    Start();
    const std::string& good = shared->good;
    // An event of the second half moved on by one frame, where the next comes later still.
    size_t event =
        good.find('\n', good.find("\nevents ") + (good.size() - good.find("\nevents ")) / 2);
    for (; event != std::string::npos; event = good.find('\n', event + 1)) {
        const size_t next = good.find('\n', event + 1);
        if (next == std::string::npos ||
            !std::isdigit(static_cast<unsigned char>(good[next + 1]))) {
            event = std::string::npos;
            break;
        }
        if (std::stoi(good.substr(event + 1)) + 1 < std::stoi(good.substr(next + 1))) break;
    }
    ASSERT_NE(event, std::string::npos);
    std::string moved = good;
    const int frame = std::stoi(good.substr(event + 1));
    moved.replace(event + 1, std::to_string(frame).size(), std::to_string(frame + 1));
    const std::vector<Tampering> cases = {
        {"score edited", With_Line(good, "score ", "score 999999"), "the replay scores"},
        {"digest edited", With_Line(good, "digest ", "digest fnv1a64 0123456789abcdef"), "digest"},
        {"name edited", With_Line(good, "name ", "name CHEATER"), "name"},
        {"event moved", moved, ""},
    };
    // Each claims the good run's World (its digest), so each waits for the one before it to
    // be refused: a run waiting or verified holds its digest.
    std::vector<int64_t> ids;
    for (size_t i = 0; i < cases.size(); ++i) {
        ids.push_back(Send(cases[i].run));
        Verify_All();
        const Board_Run run = Run(ids[i]);
        EXPECT_EQ(run.State, Run_State::Refused) << cases[i].what;
        EXPECT_FALSE(run.Listed) << cases[i].what;
        EXPECT_NE(run.Verdict.Reason.find(cases[i].reason), std::string::npos)
            << cases[i].what << ": " << run.Verdict.Reason;
        const std::string json = Body("/runs/" + std::to_string(ids[i]));
        EXPECT_NE(json.find("\"reason\":\"" + run.Verdict.Reason), std::string::npos) << json;
    }
    // A line removed: the door itself refuses what is no run any more.
    std::string cut = good;
    cut.erase(good.find("\nscore "),
              good.find('\n', good.find("\nscore ") + 1) - good.find("\nscore "));
    const auto r = Post(cut);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 400) << r->body;
}

TEST_P(Board, ADuplicateIsRefused) {
    Start();
    Send(shared->good);
    const auto again = Post(shared->good);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->status, 409) << again->body;
    EXPECT_EQ(store->Count(Run_State::Waiting), 1);
}

TEST_P(Board, LimitsAnswerAsDocumented) {
    Board_Limits limits;
    limits.Body_Bytes = 8000;
    limits.Frames = 500;
    limits.Posts_Per_Minute = 4;
    limits.Requests_Per_Minute = 12;
    Start(limits);
    const auto large = Post(std::string(9000, 'x'));
    ASSERT_TRUE(large);
    EXPECT_EQ(large->status, 413) << large->body;
    const auto long_run = Post(shared->good);  // 600 frames
    ASSERT_TRUE(long_run);
    EXPECT_EQ(long_run->status, 422) << long_run->body;
    const auto lower_case = Post(With_Line(shared->good, "name ", "name cheater"));
    ASSERT_TRUE(lower_case);
    EXPECT_EQ(lower_case->status, 422) << lower_case->body;
    const auto binary = Post(std::string("zarvo-run 1\n\x01\x02", 15));
    ASSERT_TRUE(binary);
    EXPECT_EQ(binary->status, 400) << binary->body;
    // The library refuses the large body before it is counted; the other three were.
    const auto fourth_post = Post("zarvo-run 1\n");
    ASSERT_TRUE(fourth_post);
    EXPECT_EQ(fourth_post->status, 400) << fourth_post->body;
    const auto fifth_post = Post("zarvo-run 1\n");
    ASSERT_TRUE(fifth_post);
    EXPECT_EQ(fifth_post->status, 429) << fifth_post->body;
    int last = 0;
    for (int i = 0; i < 8; ++i) last = client->Get("/tables/1")->status;
    EXPECT_EQ(last, 429);
    EXPECT_EQ(store->Count(Run_State::Waiting), 0);
}

TEST_P(Board, ARunWithCodeWordsIsVerifiedButNeverListed) {
    Start();
    const int64_t id = Send(shared->codes);
    Verify_All();
    const Board_Run run = Run(id);
    EXPECT_EQ(run.State, Run_State::Verified) << run.Verdict.Reason;
    EXPECT_TRUE(run.Verdict.Codes);
    EXPECT_FALSE(run.Listed);
    for (int d = 1; d <= 3; ++d)
        EXPECT_EQ(Body("/tables/" + std::to_string(d)).find("\"id\":" + std::to_string(id) + ","),
                  std::string::npos);
}

TEST_P(Board, EightWorkersVerifyTwoHundredRunsEachExactlyOnce) {
    Board_Limits limits;
    limits.Posts_Per_Minute = 0;
    Start(limits);
    std::vector<int64_t> ids;
    for (uint32_t seed = 100; seed < 300; ++seed)
        ids.push_back(Send(Monkey_Run(shared->scores.dir, seed, 40)));
    std::vector<pid_t> workers;
    for (int w = 0; w < 8; ++w)
        workers.push_back(Spawn(Worker_Args({"--until-empty", "--name", "w" + std::to_string(w)})));
    for (const pid_t w : workers) EXPECT_EQ(Wait_For(w), 0);
    EXPECT_EQ(store->Count(Run_State::Waiting), 0);
    EXPECT_EQ(store->Count(Run_State::Verified) + store->Count(Run_State::Refused), 200);
    for (const int64_t id : ids) {
        const Board_Run run = Run(id);
        EXPECT_EQ(run.Attempts, 1) << "run " << id;
        EXPECT_EQ(run.State, Run_State::Verified) << "run " << id << ": " << run.Verdict.Reason;
    }
}

TEST_P(Board, AWorkerKilledMidVerificationLosesNothing) {
    Start();
    // Kills the worker as soon as it holds the run; a run it finished first is tried again
    // with another, until one is caught half way.
    int64_t caught = 0;
    for (uint32_t seed = 7; seed < 27 && caught == 0; ++seed) {
        const int64_t id = Send(Monkey_Run(shared->scores.dir, seed, 3000));
        const pid_t worker = Spawn(Worker_Args({"--lease-seconds", "1", "--name", "doomed"}));
        Board_Run run;
        for (int spin = 0; spin < 200000 && run.Attempts == 0; ++spin) store->Find_Run(id, run);
        kill(worker, SIGKILL);
        Wait_For(worker);
        if (Run(id).State == Run_State::Waiting) caught = id;
    }
    ASSERT_NE(caught, 0) << "no worker was caught mid-verification";
    Verify_All();
    const Board_Run run = Run(caught);
    EXPECT_EQ(run.State, Run_State::Verified) << run.Verdict.Reason;
    EXPECT_EQ(run.Attempts, 2);
    EXPECT_EQ(store->Count(Run_State::Waiting), 0);
}

TEST_P(Board, TheDaysGameHasATableOfItsOwn) {
    Start();
    const int64_t daily = Send(shared->daily), other = Send(shared->good);
    Verify_All();
    ASSERT_TRUE(Run(daily).Listed) << Run(daily).Verdict.Reason;
    ASSERT_TRUE(Run(other).Listed) << Run(other).Verdict.Reason;
    const std::string today = Utc_Day(std::time(nullptr));
    const std::string novice = Body("/tables/daily/" + today + "/1");
    EXPECT_NE(novice.find("\"runs\":[{\"id\":" + std::to_string(daily) + ","), std::string::npos)
        << novice;
    EXPECT_EQ(novice.find("\"id\":" + std::to_string(other) + ","), std::string::npos) << novice;
    EXPECT_NE(novice.find("\"seed\":" + std::to_string(Daily_Seed(today, 1))), std::string::npos)
        << novice;
    EXPECT_NE(Body("/tables/daily/" + today + "/2").find("\"runs\":[]"), std::string::npos);
    EXPECT_EQ(client->Get("/tables/daily/2026-13-01/1")->status, 404);
    EXPECT_EQ(client->Get("/tables/daily/" + today + "/4")->status, 404);
    const std::string page = Body("/");
    EXPECT_NE(page.find("DAILY " + today), std::string::npos);
    EXPECT_NE(page.find("#daily=3"), std::string::npos);
}

// A run is the day's game only on its own seed, from level 1 without code words, on the day
// it arrives or the day before.
TEST(Board_Daily, TheDayOfARun) {
    Game_Run run;
    run.Is_Run = true;
    run.Header.Date = "2026-12-08T23:59:00Z";
    run.Header.Start_Difficulty = 2;
    run.Input.Seed = Daily_Seed("2026-12-08", 2);
    const int64_t dec8_noon = 1796731200;  // 2026-12-08T12:00:00Z
    ASSERT_EQ(Utc_Day(dec8_noon), "2026-12-08");
    const int64_t day = 24 * 60 * 60;
    EXPECT_EQ(Daily_Day_Of_Run(run, dec8_noon), "2026-12-08");
    EXPECT_EQ(Daily_Day_Of_Run(run, dec8_noon + day), "2026-12-08") << "sent after midnight";
    EXPECT_EQ(Daily_Day_Of_Run(run, dec8_noon + 2 * day), "") << "an old day's game";
    EXPECT_EQ(Daily_Day_Of_Run(run, dec8_noon - day), "") << "a day ahead";
    Game_Run other = run;
    other.Header.Start_Difficulty = 1;
    EXPECT_EQ(Daily_Day_Of_Run(other, dec8_noon), "") << "another difficulty's seed";
    other = run;
    other.Header.Start_Level = 2;
    EXPECT_EQ(Daily_Day_Of_Run(other, dec8_noon), "") << "started at level 2";
    other = run;
    other.Header.Start_Immortal = true;
    EXPECT_EQ(Daily_Day_Of_Run(other, dec8_noon), "") << "with a code word";
    other = run;
    other.Header.Date = "2026-12-09T00:10:00Z";
    EXPECT_EQ(Daily_Day_Of_Run(other, dec8_noon + day), "") << "yesterday's seed, today's date";
}

INSTANTIATE_TEST_SUITE_P(Both, Board, testing::Values("sqlite", "postgresql"));

}  // namespace
}  // namespace zarvo::test

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    zarvo::test::Shared shared;
    zarvo::test::shared = &shared;
    return RUN_ALL_TESTS();
}
