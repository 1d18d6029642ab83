// The real game in a real X server: starts its own Xvfb, checks the window's size and place,
// plays with xdotool, closes the game and replays its recording headless to the same state;
// and the program started without a display, or headless in a player's folder.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "game/run_file.h"
#include "screens/screen_rects.h"

extern char** environ;

namespace {

constexpr int Screen_W = 1600, Screen_H = 1200;

using zarvo::Centre;
using zarvo::Screen_Point;

// The window point (as xdotool's "mousemove --window" takes it) of game pixel p, in a picture
// shown `scale` times its size with its corner at (left, top) of the window.
std::string Window_Point(Screen_Point p, int scale = 1, int left = 0, int top = 0) {
    return std::to_string(left + scale * p.X) + " " + std::to_string(top + scale * p.Y);
}

// The line a recording writes for a pointer move to game pixel p.
std::string Move_Line(Screen_Point p) {
    return " move " + std::to_string(p.X) + " " + std::to_string(p.Y) + "\n";
}

void Sleep_Ms(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool Have(const std::string& tool) {
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

bool Exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A folder of this run's own for the recordings, dumps and logs: several test runs on one
// machine must not write each other's files. It stays when a test fails.
const std::string& Run_Folder() {
    static const std::string folder = [] {
        std::string pattern = ::testing::TempDir() + "zarvo_e2e_XXXXXX";
        return ::mkdtemp(pattern.data()) ? pattern + "/" : ::testing::TempDir() + "zarvo_e2e_";
    }();
    return folder;
}

std::string Temp(const std::string& name) {
    return Run_Folder() + name;
}

class Run_Folder_Cleaner : public ::testing::Environment {
    void TearDown() override {
        if (::testing::UnitTest::GetInstance()->Passed())
            std::filesystem::remove_all(Run_Folder());
        else
            std::fprintf(stderr, "the failed run's files are in %s\n", Run_Folder().c_str());
    }
};
[[maybe_unused]] const auto* const cleaner =
    ::testing::AddGlobalTestEnvironment(new Run_Folder_Cleaner);

// Runs a shell command on the display and answers its output (empty on failure).
std::string Output_Of(const std::string& display, const std::string& command) {
    const std::string full = "DISPLAY=" + display + " " + command + " 2>/dev/null";
    FILE* pipe = ::popen(full.c_str(), "r");
    if (!pipe) return {};
    std::string out;
    char buffer[512];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    return ::pclose(pipe) == 0 ? out : std::string{};
}

// A child process started with extra environment, its output sent to `log`.
// `closed_fd`, if any, is closed in the child.
pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& env,
            const std::string& log, int closed_fd = -1) {
    std::vector<char*> argv, envp;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    auto overridden = [&](const char* entry) {
        for (const auto& e : env)
            if (std::strncmp(entry, e.c_str(), e.find('=') + 1) == 0) return true;
        return false;
    };
    for (char** e = environ; *e; ++e)
        if (!overridden(*e)) envp.push_back(*e);
    for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    if (closed_fd >= 0) posix_spawn_file_actions_addclose(&actions, closed_fd);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Waits up to timeout_ms for the child; answers its exit code, or -1 if it did not end.
int Wait_Exit(pid_t pid, int timeout_ms) {
    for (int waited = 0; waited <= timeout_ms; waited += 20) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        Sleep_Ms(20);
    }
    return -1;
}

void Stop(pid_t pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGTERM);
    if (Wait_Exit(pid, 15000) == -1) {
        ::kill(pid, SIGKILL);
        Wait_Exit(pid, 3000);
    }
}

// An Xvfb of its own: it picks a free display number itself and tells it once it takes
// connections. It never resets, so that the game's connection cannot meet a server that is
// starting over after the test's last look at it.
class Virtual_Display {
  public:
    Virtual_Display() {
        int ready[2];
        if (::pipe(ready) != 0) return;
        pid_ = Spawn(
            {"Xvfb", "-displayfd", std::to_string(ready[1]), "-noreset", "-screen", "0",
             std::to_string(Screen_W) + "x" + std::to_string(Screen_H) + "x24", "-nolisten", "tcp"},
            {}, Temp("xvfb.log"), ready[0]);
        ::close(ready[1]);
        const std::string number = Read_Line(ready[0], 15000);
        ::close(ready[0]);
        if (number.empty())
            Stop(std::exchange(pid_, -1));
        else
            name_ = ":" + number;
    }
    ~Virtual_Display() { Stop(pid_); }
    bool Up() const { return pid_ > 0; }
    const std::string& Name() const { return name_; }

  private:
    // The digits written to `fd` before its newline (empty if none come within timeout_ms).
    static std::string Read_Line(int fd, int timeout_ms) {
        std::string line;
        char c = 0;
        pollfd p{fd, POLLIN, 0};
        while (::poll(&p, 1, timeout_ms) == 1 && ::read(fd, &c, 1) == 1 && c != '\n') line += c;
        return c == '\n' ? line : std::string{};
    }
    std::string name_;
    pid_t pid_ = -1;
};

// Polls the condition until it holds, for up to 20 s (a loaded machine may starve the game).
template <class Condition>
bool Eventually(Condition holds) {
    for (int waited = 0; waited < 20000; waited += 20) {
        if (holds()) return true;
        Sleep_Ms(20);
    }
    return holds();
}

// Waits for `text` in the file: a recording's line says the game has taken that input.
bool Shows_Up(const std::string& path, const std::string& text) {
    return Eventually([&] { return Slurp(path).find(text) != std::string::npos; });
}

struct Geometry {
    int x = -1, y = -1, w = -1, h = -1;
};

int Field(const std::string& text, const std::string& label) {
    const size_t at = text.find(label);
    return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + label.size());
}

// The frame of the first event of `kind` in a recording the game closed (a run), or -1.
int Frame_Of_First(const std::string& path, zarvo::Event_Kind kind) {
    zarvo::Game_Run run;
    std::string error;
    if (zarvo::Read_Recording(path, run, error) != 0) {
        ADD_FAILURE() << error;
        return -1;
    }
    for (const zarvo::Script_Event& e : run.Input.Events)
        if (e.Kind == kind) return e.Frame;
    return -1;
}

Geometry Window_Geometry(const std::string& display, const std::string& id) {
    const std::string info = Output_Of(display, "xwininfo -id " + id);
    return {Field(info, "Absolute upper-left X:"), Field(info, "Absolute upper-left Y:"),
            Field(info, "Width:"), Field(info, "Height:")};
}

// The game's window id, once it is mapped (empty if the game ends or its window does not
// show within 15 s).
std::string Find_Window(const std::string& display, pid_t game) {
    for (int i = 0; i < 300; ++i) {
        if (::kill(game, 0) != 0 || ::waitpid(game, nullptr, WNOHANG) == game) return {};
        std::string id = Output_Of(display, "xdotool search --onlyvisible --name '^Zarvo$'");
        if (!id.empty()) return id.substr(0, id.find('\n'));
        Sleep_Ms(50);
    }
    return {};
}

const std::vector<std::string> Game_Env = {"SDL_AUDIODRIVER=dummy", "ASAN_OPTIONS=detect_leaks=0"};

class End_To_End : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* tool : {"Xvfb", "xdotool", "xwininfo", "xprop"})
            if (!Have(tool)) GTEST_SKIP() << tool << " is not installed";
        display_ = std::make_unique<Virtual_Display>();
        ASSERT_TRUE(display_->Up()) << "Xvfb did not start";
    }
    pid_t Start_Game(std::vector<std::string> args, const std::string& log) {
        args.insert(args.begin(), ZARVO_BINARY);
        std::vector<std::string> env = Game_Env;
        // Settings and score table in the test's own folders, never the player's.
        env.push_back("XDG_CONFIG_HOME=" + Config_Home());
        env.push_back("XDG_DATA_HOME=" + Temp("data"));
        env.push_back("DISPLAY=" + display_->Name());
        const pid_t game = Spawn(args, env, log);
        games_.push_back(game);
        return game;
    }
    // A test that stops early (a failed assertion) must not leave its game running.
    void TearDown() override {
        for (const pid_t game : games_)
            if (game > 0 && ::waitpid(game, nullptr, WNOHANG) == 0) Stop(game);
    }
    static std::string Config_Home() {
        return Temp(std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                    "_config");
    }
    std::string Xdo(const std::string& args) {
        return Output_Of(display_->Name(), "xdotool " + args);
    }
    std::unique_ptr<Virtual_Display> display_;
    std::vector<pid_t> games_;
};

TEST_F(End_To_End, ScaledWindowKeepsGamePixels) {
    const std::string log = Temp("scale.log"), record = Temp("scale.txt");
    const pid_t game = Start_Game({"--scale", "2", "--record", record}, log);
    const std::string id = Find_Window(display_->Name(), game);
    ASSERT_FALSE(id.empty()) << Slurp(log);
    const Geometry g = Window_Geometry(display_->Name(), id);
    Xdo("windowfocus --sync " + id);
    const Screen_Point band = Centre(zarvo::Title_Band);
    Xdo("mousemove --window " + id + " " + Window_Point(band, 2));
    EXPECT_TRUE(Shows_Up(record, Move_Line(band))) << Slurp(record);
    Xdo("mousemove --window " + id + " 2 2");  // outside the title's band: held at its corner
    const Screen_Point corner{zarvo::Title_Band.Left, zarvo::Title_Band.Top};
    EXPECT_TRUE(Shows_Up(record, Move_Line(corner))) << Slurp(record);
    Stop(game);
    EXPECT_EQ(g.w, 2 * 622);
    EXPECT_EQ(g.h, 2 * 513);
    EXPECT_EQ(g.x, (Screen_W - 2 * 622) / 2);
    EXPECT_EQ(g.y, (Screen_H - 2 * 513) / 2);
}

// F11 makes the window cover the display with the picture at the largest whole factor,
// centred; a click on a title button lands on the game pixel under it; F11 again restores.
TEST_F(End_To_End, FullscreenScalesCentresAndMapsTheClick) {
    const std::string log = Temp("full.log"), record = Temp("full.txt"), dump = Temp("full.json");
    const pid_t game = Start_Game({"--no-config", "--record", record, "--dump", dump}, log);
    const std::string id = Find_Window(display_->Name(), game);
    ASSERT_FALSE(id.empty()) << Slurp(log);
    Xdo("windowfocus --sync " + id);
    Xdo("key F11");
    Geometry full, back;
    Eventually([&] { return (full = Window_Geometry(display_->Name(), id)).w == Screen_W; });
    // 1600 x 1200 holds the picture twice: 1244 x 1026 at (178, 87).
    const Screen_Point score = Centre(zarvo::Title_Score_Button);
    Xdo("mousemove --window " + id + " " + Window_Point(score, 2, 178, 87));
    EXPECT_TRUE(Shows_Up(record, Move_Line(score))) << Slurp(record);
    Xdo("click 1");  // the title's score button
    EXPECT_TRUE(Shows_Up(record, " click\n")) << Slurp(record);
    Xdo("key F11");
    Eventually([&] { return (back = Window_Geometry(display_->Name(), id)).w == 622; });
    Stop(game);
    EXPECT_EQ(full.x, 0);
    EXPECT_EQ(full.y, 0);
    EXPECT_EQ(full.w, Screen_W);
    EXPECT_EQ(full.h, Screen_H);
    EXPECT_EQ(back.w, 622);
    EXPECT_EQ(back.h, 513);
    EXPECT_NE(Slurp(dump).find("\"Sponsor_Score_On\":true"), std::string::npos) << Slurp(log);
}

// --window: a window that is not kept on top and that a resize request changes; the picture
// keeps a whole factor, and the factor is remembered, but not the one-off --window.
TEST_F(End_To_End, NormalWindowResizesAndRemembersItsScale) {
    const std::string log = Temp("window.log");
    const std::string conf = Config_Home() + "/zarvo/zarvo.conf";
    std::remove(conf.c_str());
    const pid_t game = Start_Game({"--window"}, log);
    const std::string id = Find_Window(display_->Name(), game);
    ASSERT_FALSE(id.empty()) << Slurp(log);
    const std::string state = Output_Of(display_->Name(), "xprop -id " + id + " _NET_WM_STATE");
    Xdo("windowsize --sync " + id + " 1300 1100");
    EXPECT_TRUE(Shows_Up(conf, "scale = 2")) << Slurp(conf);
    const Geometry g = Window_Geometry(display_->Name(), id);
    Stop(game);
    EXPECT_EQ(state.find("_NET_WM_STATE_ABOVE"), std::string::npos) << state;
    EXPECT_EQ(g.w, 1300);
    EXPECT_EQ(g.h, 1100);
    const std::string settings = Slurp(conf);
    EXPECT_NE(settings.find("window = no"), std::string::npos) << settings;
    EXPECT_NE(settings.find("scale = 2"), std::string::npos) << settings;
}

// P stops the ticks: the frame counter stands where the pause began, and the recording
// replays to the same state.
TEST_F(End_To_End, PauseStopsTheFrames) {
    const std::string log = Temp("pause.log"), record = Temp("pause.txt"),
                      live = Temp("pause.json"), replay = Temp("pause_replay.json");
    const pid_t game =
        Start_Game({"--no-config", "--seed", "77", "--record", record, "--dump", live}, log);
    const std::string id = Find_Window(display_->Name(), game);
    ASSERT_FALSE(id.empty()) << Slurp(log);
    Xdo("windowfocus --sync " + id);
    Xdo("key Return");
    ASSERT_TRUE(Shows_Up(record, " key 13\n")) << Slurp(record);  // the game has begun
    Xdo("key p");
    ASSERT_TRUE(Shows_Up(record, " pause 1\n")) << Slurp(record);
    Sleep_Ms(500);  // time in which a tick would show
    Stop(game);
    const int paused_at = Frame_Of_First(record, zarvo::Event_Kind::Pause);
    ASSERT_GT(paused_at, 0) << Slurp(record);
    const std::string live_dump = Slurp(live);
    const int frames = Field(live_dump, "\"Frame_Count\":");
    EXPECT_EQ(frames, paused_at - 1);
    const std::string command = std::string(ZARVO_BINARY) + " --headless --frames " +
                                std::to_string(frames) + " --input " + record + " --dump " + replay;
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Slurp(replay), live_dump);
}

// A window partly off the screen's left and top edges: the title's and the panel's pointer
// confinements reach past the screen, and no X error ends the game.
TEST_F(End_To_End, WindowPartlyOffTheScreenKeepsPlaying) {
    const std::string log = Temp("off.log"), record = Temp("off.txt"), dump = Temp("off.json");
    const pid_t game = Start_Game(
        {"--no-config", "--window", "--seed", "5", "--record", record, "--dump", dump}, log);
    const std::string id = Find_Window(display_->Name(), game);
    ASSERT_FALSE(id.empty()) << Slurp(log);
    Xdo("windowmove --sync " + id + " -450 -100");
    Xdo("windowfocus --sync " + id);
    Xdo("key Return");  // a game begins: the pointer goes to the panel's band
    ASSERT_TRUE(Shows_Up(record, " key 13\n")) << Slurp(record);
    const Screen_Point title = Centre(zarvo::Panel_Title_Button);
    Xdo("mousemove --window " + id + " " + Window_Point(title));
    ASSERT_TRUE(Shows_Up(record, Move_Line(title))) << Slurp(record);
    Xdo("click 1");  // the panel's title area: the title's buttons, partly off the screen
    ASSERT_TRUE(Shows_Up(record, " click\n")) << Slurp(record);
    Sleep_Ms(500);
    EXPECT_EQ(::waitpid(game, nullptr, WNOHANG), 0) << Slurp(log);
    Stop(game);
    EXPECT_NE(Slurp(dump).find("\"Sponsor_Paused\":true"), std::string::npos) << Slurp(log);
    EXPECT_NE(Slurp(record).find("\nframes "), std::string::npos) << Slurp(record);
}

// F1 opens the help screen, which stops the ticks as a pause does; any key turns to its second
// page, the next closes it, and neither goes further. The recording replays to the same state.
TEST_F(End_To_End, HelpScreenStandsStillAndKeysTurnItsPagesThenCloseIt) {
    const std::string log = Temp("help.log"), record = Temp("help.txt"), live = Temp("help.json"),
                      replay = Temp("help_replay.json");
    const pid_t game =
        Start_Game({"--no-config", "--seed", "78", "--record", record, "--dump", live}, log);
    const std::string id = Find_Window(display_->Name(), game);
    ASSERT_FALSE(id.empty()) << Slurp(log);
    Xdo("windowfocus --sync " + id);
    Xdo("key Return");
    ASSERT_TRUE(Shows_Up(record, " key 13\n")) << Slurp(record);
    Xdo("key F1");
    ASSERT_TRUE(Shows_Up(record, " pause 1\n")) << Slurp(record);
    Xdo("key a");
    Sleep_Ms(300);
    EXPECT_EQ(Slurp(record).find(" pause 0\n"), std::string::npos) << "the first key turns a page";
    Xdo("key a");
    ASSERT_TRUE(Shows_Up(record, " pause 0\n")) << Slurp(record);
    Sleep_Ms(300);
    Stop(game);
    const std::string recording = Slurp(record);
    EXPECT_EQ(recording.find(" key 65\n"), std::string::npos) << recording;
    const std::string live_dump = Slurp(live);
    const int frames = Field(live_dump, "\"Frame_Count\":");
    const std::string command = std::string(ZARVO_BINARY) + " --headless --frames " +
                                std::to_string(frames) + " --input " + record + " --dump " + replay;
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Slurp(replay), live_dump);
}

// The settings file remaps up to W and fire to X: W walks up, X fires as Space does, K no
// longer walks.
TEST_F(End_To_End, KeysRemappedInTheSettingsFile) {
    const std::string log = Temp("keys.log"), record = Temp("keys.txt");
    std::filesystem::create_directories(Config_Home() + "/zarvo");
    std::ofstream(Config_Home() + "/zarvo/zarvo.conf") << "key.up = W\nkey.fire = X\n";
    const pid_t game = Start_Game({"--seed", "79", "--record", record}, log);
    const std::string id = Find_Window(display_->Name(), game);
    ASSERT_FALSE(id.empty()) << Slurp(log);
    Xdo("windowfocus --sync " + id);
    Xdo("key Return");
    ASSERT_TRUE(Shows_Up(record, " key 13\n")) << Slurp(record);
    Xdo("keydown k");
    ASSERT_TRUE(Shows_Up(record, " key 75\n")) << Slurp(record);  // a letter to the game
    Sleep_Ms(300);
    Xdo("keyup k");
    EXPECT_EQ(Slurp(record).find(" hold "), std::string::npos) << Slurp(record);
    Xdo("keydown w");
    EXPECT_TRUE(Shows_Up(record, " hold up\n")) << Slurp(record);
    Xdo("keyup w");
    Xdo("key x");
    EXPECT_TRUE(Shows_Up(record, " key 32\n")) << Slurp(record);
    Stop(game);
    const std::string recording = Slurp(record);
    EXPECT_EQ(recording.find(" key 88\n"), std::string::npos) << recording;  // X was fire
}

// Keys the window or another setting already uses are refused with one line each, and the
// game's own key stays: P still pauses (it never fires), M still mutes (it never walks), and
// a second setting of W leaves W to the first.
TEST_F(End_To_End, KeysAlreadyBoundAreRefused) {
    const std::string log = Temp("bound.log"), record = Temp("bound.txt");
    std::filesystem::create_directories(Config_Home() + "/zarvo");
    std::ofstream(Config_Home() + "/zarvo/zarvo.conf")
        << "key.fire = P\nkey.up = M\nkey.down = W\nkey.left = W\nkey.right = Escape\n";
    const pid_t game = Start_Game({"--seed", "80", "--record", record}, log);
    const std::string id = Find_Window(display_->Name(), game);
    ASSERT_FALSE(id.empty()) << Slurp(log);
    Xdo("windowfocus --sync " + id);
    Xdo("key Return");
    ASSERT_TRUE(Shows_Up(record, " key 13\n")) << Slurp(record);
    Xdo("key m");
    EXPECT_TRUE(Shows_Up(record, " mute 1\n")) << Slurp(record);
    Xdo("keydown w");
    EXPECT_TRUE(Shows_Up(record, " hold down\n")) << Slurp(record);
    Xdo("keyup w");
    Stop(game);
    const std::string recording = Slurp(record), messages = Slurp(log);
    EXPECT_EQ(recording.find(" hold up\n"), std::string::npos) << recording;
    EXPECT_EQ(recording.find(" hold left\n"), std::string::npos) << recording;
    for (const char* refused : {"key.fire = P is taken already by the window",
                                "key.up = M is taken already by the window",
                                "key.left = W is taken already by key.down",
                                "key.right = Escape is taken already by the window"}) {
        const size_t at = messages.find(refused);
        EXPECT_NE(at, std::string::npos) << refused << "\n" << messages;
        EXPECT_EQ(messages.find(refused, at + 1), std::string::npos) << "told twice: " << refused;
    }
}

TEST_F(End_To_End, PlayedGameReplaysHeadlessToTheSameState) {
    const std::string record = Temp("record.txt"), live = Temp("live.json"),
                      replay = Temp("replay.json"), log = Temp("game.log");
    const pid_t game = Start_Game({"--seed", "4711", "--record", record, "--dump", live}, log);
    const std::string id = Find_Window(display_->Name(), game);
    ASSERT_FALSE(id.empty()) << Slurp(log);

    const Geometry g = Window_Geometry(display_->Name(), id);
    EXPECT_EQ(g.w, 622);
    EXPECT_EQ(g.h, 513);
    EXPECT_EQ(g.x, (Screen_W - 622) / 2);
    EXPECT_EQ(g.y, (Screen_H - 513) / 2);
    const std::string state = Output_Of(display_->Name(), "xprop -id " + id + " _NET_WM_STATE");
    EXPECT_NE(state.find("_NET_WM_STATE_ABOVE"), std::string::npos) << state;  // stays on top

    Xdo("windowfocus --sync " + id);
    Xdo("key Return");  // starts the game from the title
    ASSERT_TRUE(Shows_Up(record, " key 13\n")) << Slurp(record);
    Sleep_Ms(1500);  // the game plays a while
    const Screen_Point title = Centre(zarvo::Panel_Title_Button);
    Xdo("mousemove --window " + id + " " + Window_Point(title));
    ASSERT_TRUE(Shows_Up(record, Move_Line(title))) << Slurp(record);
    Xdo("click 1");  // the panel's title area: the game pauses under the title screen
    ASSERT_TRUE(Shows_Up(record, " click\n")) << Slurp(record);
    Stop(game);
    ASSERT_TRUE(Exists(live)) << Slurp(log);

    const std::string recording = Slurp(record);
    EXPECT_NE(recording.find("seed 4711\n"), std::string::npos) << recording;
    const std::string live_dump = Slurp(live);
    EXPECT_NE(live_dump.find("\"Sponsor_On\":false"), std::string::npos);
    EXPECT_NE(live_dump.find("\"Sponsor_Paused\":true"), std::string::npos);
    const int frames = Field(live_dump, "\"Frame_Count\":");
    const int clicked_at = Frame_Of_First(record, zarvo::Event_Kind::Click);
    ASSERT_GT(clicked_at, 0) << recording;
    ASSERT_GE(frames, clicked_at);

    const std::string command = std::string(ZARVO_BINARY) + " --headless --frames " +
                                std::to_string(frames) + " --input " + record + " --dump " + replay;
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Slurp(replay), live_dump);
}

}  // namespace

namespace {

TEST(Start_Without_Display, NoDisplayNamedEndsWithinASecond) {
    const std::string log = Temp("nodisplay_at_all.log");
    const auto start = std::chrono::steady_clock::now();
    const pid_t game = Spawn(
        {ZARVO_BINARY},
        {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=", "ASAN_OPTIONS=detect_leaks=0"}, log);
    ASSERT_GT(game, 0);
    EXPECT_EQ(Wait_Exit(game, 3000), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    const std::string message = Slurp(log);
    EXPECT_NE(message.find("zarvo: cannot open the game window: no display"), std::string::npos)
        << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
}

TEST(Start_Without_Display, ClearMessageAndExitCodeOne) {
    const std::string log = Temp("nodisplay.log");
    const pid_t game =
        Spawn({ZARVO_BINARY},
              {"SDL_VIDEODRIVER=x11", "DISPLAY=:9998", "ASAN_OPTIONS=detect_leaks=0"}, log);
    ASSERT_GT(game, 0);
    EXPECT_EQ(Wait_Exit(game, 10000), 1);
    EXPECT_NE(Slurp(log).find("zarvo: cannot open the game window"), std::string::npos)
        << Slurp(log);
}

// The scratch folders of the headless runs in `place`.
std::vector<std::string> Scratch_Folders(const std::string& place) {
    std::vector<std::string> found;
    for (const auto& e : std::filesystem::directory_iterator(place))
        if (e.path().filename().string().rfind("zarvo-scores-", 0) == 0)
            found.push_back(e.path().filename().string());
    return found;
}

// A headless run stopped by SIGTERM or SIGINT removes its scratch score folder and still ends
// by that signal; a run that starts removes the folders of runs that were killed outright.
TEST(Headless_Program, ARunStoppedByASignalLeavesNoScratchFolder) {
    namespace fs = std::filesystem;
    const std::string place = Temp("scratch_place");
    fs::remove_all(place);
    fs::create_directories(place);
    const std::vector<std::string> env = {"TMPDIR=" + place, "ASAN_OPTIONS=detect_leaks=0"};
    for (const int signal : {SIGTERM, SIGINT}) {
        const pid_t run = Spawn({ZARVO_BINARY, "--headless", "--frames", "100000000", "--monkey",
                                 "1", "--assets", ZARVO_ASSET_DIR},
                                env, Temp("scratch.log"));
        ASSERT_TRUE(Eventually([&] { return !Scratch_Folders(place).empty(); }));
        Sleep_Ms(300);  // the monkey is at play, its table stored now and then
        ::kill(run, signal);
        EXPECT_EQ(Wait_Exit(run, 15000), 128 + signal) << Slurp(Temp("scratch.log"));
        EXPECT_TRUE(Scratch_Folders(place).empty()) << Scratch_Folders(place)[0];
    }
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string stale = place + "/zarvo-scores-" + std::to_string(ended) + "-AbCdEf";
    const std::string alive = place + "/zarvo-scores-" + std::to_string(::getpid()) + "-AbCdEf";
    for (const std::string& folder : {stale, alive}) {
        fs::create_directories(folder);
        std::ofstream(folder + "/Zarvo.Scr") << "x";
    }
    const std::string command = "TMPDIR='" + place + "' " + ZARVO_BINARY +
                                " --headless --frames 3 --assets " + ZARVO_ASSET_DIR;
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(alive + "/Zarvo.Scr"));
    fs::remove_all(place);
}

// A headless run given no table, in a folder holding a player's, opens the score screen and
// clicks DEL: the player's table keeps every byte, and nothing else is left in the folder.
TEST(Headless_Program, ARunWithoutScoresNeverTouchesAPlayersTable) {
    namespace fs = std::filesystem;
    const fs::path folder = Temp("player_folder");
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::string table(496, '\0');
    for (size_t i = 0; i < table.size(); ++i) table[i] = static_cast<char>(i * 7 + 3);
    std::ofstream(folder / "Zarvo.Scr", std::ios::binary) << table;
    const Screen_Point score = Centre(zarvo::Title_Score_Button);
    const Screen_Point del = Centre(zarvo::Score_Delete_Button);
    std::ofstream(folder / "s.txt") << "2 move " << score.X << " " << score.Y << "\n2 click\n"
                                    << "5 move " << del.X << " " << del.Y << "\n5 click\n";
    const std::string command = "cd '" + folder.string() + "' && " + ZARVO_BINARY +
                                " --headless --frames 10 --input s.txt --assets " +
                                ZARVO_ASSET_DIR + " --dump d.json";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(folder / "Zarvo.Scr", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), table);
    std::ifstream dump(folder / "d.json");
    const std::string state(std::istreambuf_iterator<char>(dump), {});
    EXPECT_NE(state.find("\"Sponsor_Score_On\":true"), std::string::npos);  // DEL was on screen
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 3);  // table, script, dump
    fs::remove_all(folder);
}

}  // namespace
