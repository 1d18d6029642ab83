// The desktop comforts' pure parts: the picture's place on a display and the pointer mapped
// back, the scale that fits, the settings file, the score file's place, showing only what
// changed, averaging the picture to a size between once and twice its own, and which key does
// what.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "driver/start/score_path.h"
#include "driver/start/settings.h"
#include "game/comforts.h"
#include "platform/area_scale.h"
#include "platform/atomic_file.h"
#include "platform/frame_diff.h"
#include "platform/scaling.h"

namespace zarvo {
namespace {

namespace fs = std::filesystem;

constexpr Size Picture{622, 513};

TEST(Fullscreen, LargestWholeFactorCentredAndPointerMappedBack) {
    struct Case {
        Size display;
        View want;
    };
    const Case cases[] = {
        {{1024, 768}, {1, 201, 127, 622, 513}},
        {{1920, 1080}, {2, 338, 27, 1244, 1026}},
        {{2560, 1440}, {2, 658, 207, 1244, 1026}},
        {{800, 600}, {1, 89, 43, 622, 513}},
    };
    for (const Case& c : cases) {
        const View v = Centred_View(c.display, Picture);
        EXPECT_EQ(v, c.want) << c.display.Width << "x" << c.display.Height;
        // Every display pixel of a picture pixel's block maps back to that picture pixel.
        for (const auto& [px, py] : {std::pair{0, 0}, {505, 475}, {621, 512}, {217, 445}}) {
            int ax = 0, ay = 0;
            Picture_To_Area(v, px, py, ax, ay);
            for (int dy = 0; dy < v.Scale; ++dy)
                for (int dx = 0; dx < v.Scale; ++dx) {
                    int x = -9, y = -9;
                    Area_To_Picture(v, ax + dx, ay + dy, x, y);
                    EXPECT_EQ(std::pair(x, y), std::pair(px, py));
                }
        }
        int x = 0, y = 0;
        Area_To_Picture(v, v.X - 1, v.Y - 1, x, y);  // in the black bar: just outside
        EXPECT_EQ(std::pair(x, y), std::pair(-1, -1));
    }
}

TEST(Fullscreen, ScaleThatFitsTheUsableArea) {
    EXPECT_EQ(Fit_Scale(2, {1024, 740}, Picture), 1);  // 1026 rows would not fit
    EXPECT_EQ(Fit_Scale(4, {2560, 1400}, Picture), 2);
    EXPECT_EQ(Fit_Scale(3, {1920, 1600}, Picture), 3);
    EXPECT_EQ(Fit_Scale(1, {640, 480}, Picture), 1);  // never below 1
}

TEST(Settings_File, RoundTripDamagedAndUnknownLines) {
    Settings s;
    s.Scale = 3, s.Window = true, s.Fullscreen = true, s.Volume = 40, s.Mute = true;
    s.Key_Up = "W", s.Key_Fire = "Left Ctrl";
    Settings back;
    std::string warning;
    Parse_Settings(Format_Settings(s), back, warning);
    EXPECT_EQ(back, s);
    EXPECT_TRUE(warning.empty()) << warning;

    Settings d;
    Parse_Settings("volume=70\nscale = 12\nshiny = yes\n  # a note\nwindow\nmute = yes\n", d,
                   warning);
    EXPECT_EQ(d.Volume, 70);
    EXPECT_EQ(d.Scale, 1);  // out of range: left as it was
    EXPECT_TRUE(d.Mute);
    EXPECT_EQ(warning, "line 2 skipped (bad value for scale) and 2 more");
    // What could not be used is written back untouched.
    Settings again;
    Parse_Settings(Format_Settings(d), again, warning);
    EXPECT_EQ(again, d);
    EXPECT_NE(Format_Settings(d).find("shiny = yes\n"), std::string::npos);
}

// A board is named only by an http:// or https:// address; anything else is skipped with the
// warning, and nothing is sent.
TEST(Settings_File, TheBoardIsAWebAddressOrNone) {
    Settings s;
    std::string warning;
    Parse_Settings("board = https://zarvo.example.org/board\n", s, warning);
    EXPECT_EQ(s.Board, "https://zarvo.example.org/board");
    EXPECT_EQ(warning, "");
    Settings back;
    Parse_Settings(Format_Settings(s), back, warning);
    EXPECT_EQ(back.Board, s.Board);
    for (const char* bad : {"board = zarvo.example.org", "board = ftp://x.org", "board = http://",
                            "board = http:///runs", "board = http://a b.org"}) {
        Settings d;
        Parse_Settings(std::string(bad) + "\n", d, warning);
        EXPECT_EQ(d.Board, "") << bad;
        EXPECT_EQ(warning, "line 1 skipped (bad value for board)") << bad;
    }
    EXPECT_EQ(Format_Settings(Settings{}).find("board"), std::string::npos);
}

// The player's comments and blank lines stay where they stood when the game writes a value.
TEST(Settings_File, CommentsAndTheirPlacesAreKept) {
    Settings s;
    std::string warning;
    Parse_Settings("# quiet at night\nvolume = 20\n\n# the big screen\nscale = 2\n", s, warning);
    EXPECT_EQ(warning, "");
    s.Volume = 30;
    EXPECT_EQ(Format_Settings(s),
              "# quiet at night\nvolume = 30\n\n# the big screen\nscale = 2\n"
              "window = no\nfullscreen = no\nmute = no\n");
}

// Whatever the game holds, it writes only values its reader takes back: a window resized to
// 7000 x 6000 pixels fits factor 11, which no --scale or file may give.
TEST(Settings_File, OnlyWhatTheReaderTakesIsWritten) {
    Settings s;
    s.Scale = 11, s.Volume = 150, s.Key_Up = std::string(40, 'W');
    Settings back;
    std::string warning;
    Parse_Settings(Format_Settings(s), back, warning);
    EXPECT_EQ(warning, "");
    EXPECT_EQ(back.Scale, Max_Scale);
    EXPECT_EQ(back.Volume, 100);
    EXPECT_EQ(back.Key_Up, "");
}

// --volume 30 plays at 30 for this run: pressing M stores the mute, not the 30; a step of
// the sound level is the player's own and is stored.
TEST(Settings_File, TheCommandLinesSoundIsNeverStored) {
    Settings now, kept;
    kept.Volume = 100;
    now.Volume = 30;  // --volume 30
    Take_Sound_Change(now, kept, 30, true);
    EXPECT_EQ(kept.Volume, 100);
    EXPECT_TRUE(kept.Mute);
    EXPECT_EQ(now.Volume, 30);
    EXPECT_TRUE(now.Mute);
    Take_Sound_Change(now, kept, 40, false);
    EXPECT_EQ(kept.Volume, 40);
    EXPECT_FALSE(kept.Mute);
}

class Temp_Folder : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::path(::testing::TempDir()) /
               ("zarvo_desk_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(Temp_Folder, SettingsFileInItsFolderAndAnUnwritableOne) {
    const std::string path = Settings_Path(dir_.c_str(), "/home/nobody");
    EXPECT_EQ(path, (dir_ / "zarvo/zarvo.conf").string());
    EXPECT_EQ(Settings_Path(nullptr, "/home/p"), "/home/p/.config/zarvo/zarvo.conf");
    EXPECT_EQ(Settings_Path("relative", "/home/p"), "/home/p/.config/zarvo/zarvo.conf");

    Settings s, loaded;
    std::string message;
    ASSERT_TRUE(Load_Settings(path, loaded, message));  // no file yet: the defaults
    EXPECT_EQ(loaded, Settings{});
    s.Volume = 30;
    ASSERT_TRUE(Save_Settings(path, s, message)) << message;  // the folder is made
    ASSERT_TRUE(Load_Settings(path, loaded, message));
    EXPECT_EQ(loaded, s);

    std::ofstream(dir_ / "blocker") << "a file where a folder should be";
    EXPECT_FALSE(Save_Settings((dir_ / "blocker/zarvo/zarvo.conf").string(), s, message));
    EXPECT_NE(message.find("cannot write"), std::string::npos);
}

// A player who keeps the file among their dotfiles links it into place; saving goes through
// the link to the file it names and leaves the link standing.
TEST_F(Temp_Folder, SettingsSavedThroughALinkKeepTheLink) {
    fs::create_directories(dir_ / "dotfiles");
    fs::create_directories(dir_ / "zarvo");
    std::ofstream(dir_ / "dotfiles/zarvo.conf") << "scale = 2\n";
    fs::create_symlink("../dotfiles/zarvo.conf", dir_ / "zarvo/zarvo.conf");
    Settings s, loaded;
    s.Volume = 40;
    std::string message;
    ASSERT_TRUE(Save_Settings((dir_ / "zarvo/zarvo.conf").string(), s, message)) << message;
    EXPECT_TRUE(fs::is_symlink(dir_ / "zarvo/zarvo.conf"));
    ASSERT_TRUE(Load_Settings((dir_ / "dotfiles/zarvo.conf").string(), loaded, message));
    EXPECT_EQ(loaded, s);
}

// A link planted where a temporary file of the game could go is never written through.
TEST_F(Temp_Folder, SettingsNeverWriteThroughAPlantedLink) {
    const fs::path conf = dir_ / "zarvo.conf", victim = dir_ / "victim";
    std::ofstream(victim) << "precious\n";
    for (const std::string& temporary :
         {conf.string() + ".new", conf.string() + "." + std::to_string(::getpid()) + ".new"})
        fs::create_symlink(victim, temporary);
    Settings s;
    s.Volume = 20;
    std::string message;
    ASSERT_TRUE(Save_Settings(conf.string(), s, message)) << message;
    std::ifstream in(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "precious\n");
    EXPECT_FALSE(fs::is_symlink(conf));
}

// Twenty presses of - at volume 0 write nothing; a change writes once.
TEST_F(Temp_Folder, SettingsWrittenOnlyWhenAValueChanges) {
    const std::string path = (dir_ / "zarvo.conf").string();
    Settings s;
    s.Volume = 0;
    Settings_Keeper keeper(path, s);
    std::string error;
    for (int press = 0; press < 20; ++press) EXPECT_TRUE(keeper.Keep(s, error)) << error;
    EXPECT_EQ(keeper.Writes(), 0);
    EXPECT_FALSE(fs::exists(path));
    s.Mute = true;
    EXPECT_TRUE(keeper.Keep(s, error)) << error;
    EXPECT_TRUE(keeper.Keep(s, error)) << error;
    EXPECT_EQ(keeper.Writes(), 1);
    EXPECT_TRUE(fs::exists(path));
}

// A settings file of 250 MB is refused with a message, not loaded, and never written over.
TEST_F(Temp_Folder, AnOversizedSettingsFileIsRefusedAndLeftAsItIs) {
    const std::string path = (dir_ / "zarvo.conf").string();
    {
        std::ofstream out(path);
        out << "volume = 10\n";
        for (int i = 0; i < 3000; ++i) out << "# " << std::string(30, 'x') << "\n";
    }
    const uintmax_t size = fs::file_size(path);
    ASSERT_GT(size, Settings_Limit);
    Settings s;
    std::string message;
    EXPECT_FALSE(Load_Settings(path, s, message));
    EXPECT_NE(message.find("more than a settings file of 64 KB"), std::string::npos) << message;
    EXPECT_EQ(s.Volume, 100);
    EXPECT_EQ(fs::file_size(path), size);
}

// Two games change their settings at once, one the scale and the other the sound: the file
// keeps both, as the score table keeps both games' entries.
TEST_F(Temp_Folder, TwoGamesSavingSettingsKeepBothChanges) {
    const std::string path = (dir_ / "zarvo.conf").string();
    std::ofstream(path) << "# mine\nscale = 1\nvolume = 100\n";
    Settings first, second;
    std::string message;
    ASSERT_TRUE(Load_Settings(path, first, message));
    ASSERT_TRUE(Load_Settings(path, second, message));
    Settings_Keeper one(path, first), two(path, second);
    second.Scale = 3;
    ASSERT_TRUE(two.Keep(second, message)) << message;
    first.Volume = 20;
    ASSERT_TRUE(one.Keep(first, message)) << message;
    first.Mute = true;
    ASSERT_TRUE(one.Keep(first, message)) << message;
    Settings loaded;
    ASSERT_TRUE(Load_Settings(path, loaded, message));
    EXPECT_EQ(loaded.Scale, 3);
    EXPECT_EQ(loaded.Volume, 20);
    EXPECT_TRUE(loaded.Mute);
    EXPECT_EQ(loaded.Lines.rfind("# mine\n", 0), 0u) << loaded.Lines;
}

// A game stopped while it holds the settings' folder: saving gives up after the wait, says
// so, and leaves the file as it was.
TEST_F(Temp_Folder, SettingsHeldByAStoppedGameAreNotWaitedForForEver) {
    const std::string path = (dir_ / "zarvo.conf").string();
    std::ofstream(path) << "volume = 50\n";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        Folder_Lock held = Lock_Folder_Of(path.c_str());
        (void)!::write(ready[1], held.Fd >= 0 ? "y" : "n", 1);
        ::raise(SIGSTOP);
        ::_exit(0);
    }
    char took = 'n';
    (void)!::read(ready[0], &took, 1);
    ASSERT_EQ(took, 'y');
    Settings s;
    s.Volume = 50;
    Settings_Keeper keeper(path, s);
    s.Volume = 60;
    std::string message;
    EXPECT_FALSE(keeper.Keep(s, message));
    EXPECT_NE(message.find("held by another game"), std::string::npos) << message;
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    Settings loaded;
    ASSERT_TRUE(Load_Settings(path, loaded, message));
    EXPECT_EQ(loaded.Volume, 50);
    EXPECT_TRUE(keeper.Keep(s, message)) << message;
}

TEST_F(Temp_Folder, ScoreFileOptionThenWorkingFolderThenDataFolder) {
    const fs::path before = fs::current_path();
    fs::create_directories(dir_ / "here");
    fs::current_path(dir_ / "here");
    const std::string data = (dir_ / "data").string();

    EXPECT_EQ(Choose_Score_Path("my.Scr", data.c_str(), "/home/p"), "my.Scr");
    EXPECT_EQ(Choose_Score_Path("", data.c_str(), "/home/p"), data + "/zarvo/Zarvo.Scr");
    EXPECT_TRUE(fs::is_directory(dir_ / "data/zarvo"));  // folders made for it
    EXPECT_EQ(Choose_Score_Path("", nullptr, dir_.c_str()),
              (dir_ / ".local/share/zarvo/Zarvo.Scr").string());
    fs::create_directories("Zarvo.Scr");  // a folder of that name is no table
    EXPECT_EQ(Choose_Score_Path("", data.c_str(), "/home/p"), data + "/zarvo/Zarvo.Scr");
    fs::remove("Zarvo.Scr");
    std::ofstream("Zarvo.Scr") << "";  // a table already kept here goes on being used
    EXPECT_EQ(Choose_Score_Path("", data.c_str(), "/home/p"), "Zarvo.Scr");
    fs::current_path(before);
}

// A window that is given only the parts that changed shows every frame exactly, scaled, also
// when the changes are too scattered to send one by one and when the window shows only part.
TEST(Frame_Diff, AWindowGivenOnlyTheChangesShowsEveryFrameExactly) {
    const int w = 420, h = 70;  // 42 x 7 blocks
    Surface frame(w, h);
    std::mt19937 rng(3);
    auto below = [&](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); };
    for (int scale : {1, 2, 3, 5}) {
        const int pitch = w * scale + 4;  // two pixels of window beside the picture each side
        std::vector<uint32_t> window(static_cast<size_t>(pitch) * h * scale, 7);
        const Pixel_Rows to{window.data() + 2, pitch};
        Damage changes;
        changes.Reset(w, h);
        changes.Add_All();
        for (int step = 0; step < 40; ++step) {
            Put_Scaled(frame, Changed_Parts(changes, frame.Whole()), to, scale);
            std::vector<uint32_t> expected(window.size(), 7);
            for (int y = 0; y < h * scale; ++y)
                for (int x = 0; x < w * scale; ++x)
                    expected[static_cast<size_t>(y) * pitch + 2 + x] =
                        frame.At(x / scale, y / scale);
            ASSERT_EQ(window, expected) << "scale " << scale << " step " << step;
            changes.Reset(w, h);
            // Now and then blocks set like a chessboard: more parts than are sent one by one.
            for (int n = step % 5 == 0 ? 100 : 1 + below(4), i = 0; i < n; ++i) {
                const int x = step % 5 == 0 ? (i % 14 * 2 + i / 14 % 2) * 16 : below(w),
                          y = step % 5 == 0 ? i / 14 * 16 : below(h);
                const Pixel_Rect r{x, y, x + 1 + below(9), y + 1 + below(9)};
                frame.Fill_Rect(r, rng() & 0xFFFFFF);
                changes.Add(r);
            }
        }
    }
    // A window smaller than the picture is given its top-left part only.
    Damage all;
    all.Reset(100, 70);
    all.Add_All();
    const Changed_Rects part = Changed_Parts(all, {0, 0, 30, 20});
    ASSERT_EQ(part.Count, 1);
    EXPECT_EQ(part.Rect[0], (Pixel_Rect{0, 0, 30, 20}));
}

// Seven pixels: one group of four and three left over, each turned on its own.
TEST(Put_Rgba, RedAndBlueChangePlacesAndTheAnswerSaysWhetherAnyChanged) {
    const uint32_t picture[7] = {0x123456, 0xFF0000, 0x00FF00, 0x0000FF,
                                 0xABCDEF, 0x000000, 0x010203};
    std::vector<uint32_t> out(7, 0);
    EXPECT_TRUE(Put_Rgba(picture, out.data(), 7));
    const std::vector<uint32_t> rgba = {0xFF563412, 0xFF0000FF, 0xFF00FF00, 0xFFFF0000,
                                        0xFFEFCDAB, 0xFF000000, 0xFF030201};
    EXPECT_EQ(out, rgba);
    EXPECT_FALSE(Put_Rgba(picture, out.data(), 7));
    // A change in the group of four, or in the pixels left over, is seen.
    for (int at : {1, 6}) {
        uint32_t changed[7];
        std::copy(picture, picture + 7, changed);
        changed[at] ^= 0x000100;
        EXPECT_TRUE(Put_Rgba(changed, out.data(), 7)) << "pixel " << at;
        EXPECT_EQ(out[static_cast<size_t>(at)], rgba[static_cast<size_t>(at)] ^ 0x000100u);
        Put_Rgba(picture, out.data(), 7);
    }
}

// At every size between once and twice the picture's, every picture pixel weighs the same in
// what is shown: as much as to / from shown pixels, give or take the rounding of its shares.
TEST(Area_Scale, EveryPicturePixelCoversTheSameWidth) {
    for (int to : {623, 700, 770, 1169, 1243}) {
        const Area_Axis a = Make_Area_Axis(622, to);
        std::vector<int> weight(622, 0), touched(622, 0);
        for (int j = 0; j < to; ++j) {
            const auto i = static_cast<size_t>(a.First[static_cast<size_t>(j)]);
            const int share = a.Share[static_cast<size_t>(j)];
            weight[i] += share, ++touched[i];
            if (share < 256) weight[i + 1] += 256 - share, ++touched[i + 1];
        }
        const double each = 256.0 * to / 622;
        for (size_t i = 0; i < 622; ++i)
            EXPECT_NEAR(weight[i], each, touched[i]) << "pixel " << i << " shown at " << to;
    }
    const Area_Axis same = Make_Area_Axis(5, 5);
    EXPECT_EQ(same.First, (std::vector<int32_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(same.Share, (std::vector<uint16_t>(5, 256)));
}

// A picture of one bright column on dark is shown as a column of the same total brightness
// wherever it stands, and a change to one picture pixel changes only shown pixels within the
// span the page is handed.
TEST(Area_Scale, AColumnKeepsItsBrightnessAndAChangeStaysInItsSpan) {
    constexpr int From = 40, To = 57, Rows = 3;
    const Area_Axis x = Make_Area_Axis(From, To), y = Make_Area_Axis(Rows, Rows);
    const uint32_t dark = 0xFF000000u, bright = 0xFFC8C8C8u;
    std::vector<uint32_t> out(To * Rows), before(To * Rows);
    for (int column = 1; column < From - 1; ++column) {
        std::vector<uint32_t> picture(From * Rows, dark);
        for (int r = 0; r < Rows; ++r) picture[static_cast<size_t>(r * From + column)] = bright;
        Area_Scale(picture.data(), x, y, {0, 0, To, Rows}, out.data());
        int sum = 0;
        for (int j = 0; j < To; ++j)
            sum += static_cast<int>(out[static_cast<size_t>(To + j)] & 0xFF);
        EXPECT_NEAR(sum, 200.0 * To / From, 2) << "column " << column;
        EXPECT_EQ(out[0] >> 24, 0xFFu) << "opaque";

        std::vector<uint32_t> plain(From * Rows, dark);
        Area_Scale(plain.data(), x, y, {0, 0, To, Rows}, before.data());
        int begin = 0, end = 0;
        Shown_Span(x, column, column + 1, begin, end);
        for (int j = 0; j < To; ++j) {
            const bool differs =
                out[static_cast<size_t>(To + j)] != before[static_cast<size_t>(To + j)];
            if (differs) {
                EXPECT_GE(j, begin) << "shown " << j << " of " << column;
                EXPECT_LT(j, end) << "shown " << j << " of " << column;
            }
        }
    }
}

// Escape pauses as players expect, also while a name is typed (it types nothing); Ctrl and a
// controller's X press the button under the pointer, except while watching a replay.
TEST(Desk_Keys, EscapePausesCtrlAndPadXPress) {
    EXPECT_EQ(Desk_Action_For(Desk_Key::Escape, false, false), Desk_Action::Pause);
    EXPECT_EQ(Desk_Action_For(Desk_Key::Escape, true, false), Desk_Action::Pause);
    EXPECT_EQ(Desk_Action_For(Desk_Key::Escape, false, true), Desk_Action::Pause);
    EXPECT_EQ(Desk_Action_For(Desk_Key::Press, false, false), Desk_Action::Press);
    EXPECT_EQ(Desk_Action_For(Desk_Key::Press, true, false), Desk_Action::Press);
    EXPECT_EQ(Desk_Action_For(Desk_Key::Press, false, true), Desk_Action::None);
    EXPECT_EQ(Pad_Does_For(Pad_Button::Press), Pad_Does::Press);
    EXPECT_EQ(Pad_Does_For(Pad_Button::Confirm), Pad_Does::Enter);
    EXPECT_EQ(Pad_Does_For(Pad_Button::Back), Pad_Does::Pause);
}

TEST(Desk_Keys, LettersWhileTypingAndTheReplaysKeys) {
    EXPECT_EQ(Desk_Action_For(Desk_Key::P, false, false), Desk_Action::Pause);
    EXPECT_EQ(Desk_Action_For(Desk_Key::P, true, false), Desk_Action::None);
    EXPECT_EQ(Desk_Action_For(Desk_Key::M, true, false), Desk_Action::None);
    EXPECT_EQ(Desk_Action_For(Desk_Key::Mute, true, false), Desk_Action::Mute);  // no letter
    EXPECT_EQ(Desk_Action_For(Desk_Key::Pause, true, false), Desk_Action::Pause);
    EXPECT_EQ(Desk_Action_For(Desk_Key::Fullscreen, true, false), Desk_Action::Fullscreen);
    EXPECT_EQ(Desk_Action_For(Desk_Key::Space, false, false), Desk_Action::None);  // fires
    EXPECT_EQ(Desk_Action_For(Desk_Key::Space, false, true), Desk_Action::Pause);
    EXPECT_EQ(Desk_Action_For(Desk_Key::F, false, true), Desk_Action::Fast_Forward);
    EXPECT_EQ(Volume_Step(95, 1), 100);
    EXPECT_EQ(Volume_Step(5, -1), 0);
    EXPECT_EQ(Volume_Step(50, -1), 40);
}

}  // namespace
}  // namespace zarvo
