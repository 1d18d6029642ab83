// The direction keys on the screens where they walk nothing: they steer the game's own pointer
// from button to button, and a click (the press key's) presses the button it stands on.
#include "screens/pointer_steer.h"

#include <gtest/gtest.h>

#include <string>

#include "driver/headless/runner.h"
#include "game/script.h"
#include "support/score_folder.h"
#include "support/test_game.h"

namespace zarvo::test {
namespace {

// Presses a direction key for one frame and lets it go for one.
void Tap(Test_Game& t, char dir) {
    t.hold(dir == 'U', dir == 'D', dir == 'L', dir == 'R');
    t.run(1);
    t.release();
    t.run(1);
}

void Taps(Test_Game& t, const std::string& dirs) {
    for (char d : dirs) Tap(t, d);
}

TEST(Pointer_Steer, TheTitlesButtonsInARowWithoutWrapping) {
    Test_Game t(1, false);
    t.run(1);
    EXPECT_EQ(t.mouse(), XY(505, 475));  // on START
    Tap(t, 'R');
    EXPECT_EQ(t.mouse(), XY(569, 475));  // QUIT
    Tap(t, 'R');
    EXPECT_EQ(t.mouse(), XY(569, 475));  // the last one stays
    Taps(t, "UD");
    EXPECT_EQ(t.mouse(), XY(569, 475));  // nothing above or below
    Taps(t, "LLLLL");
    EXPECT_EQ(t.mouse(), XY(249, 475));  // the background picture
    EXPECT_EQ(t.media.pointer_x, 249);   // the window's pointer goes along
    EXPECT_TRUE(t.media.waves.empty());  // steering presses nothing
}

TEST(Pointer_Steer, AHeldKeyRepeatsAfterADelay) {
    Test_Game t(1, false);
    t.run(1);
    Taps(t, "LLLL");
    ASSERT_EQ(t.mouse(), XY(249, 475));
    t.hold(false, false, false, true);
    t.run(1);
    EXPECT_EQ(t.mouse(), XY(313, 475));  // at once
    t.run(11);
    EXPECT_EQ(t.mouse(), XY(313, 475));
    t.run(1);
    EXPECT_EQ(t.mouse(), XY(377, 475));  // held 12 frames
    t.run(4);
    EXPECT_EQ(t.mouse(), XY(377, 475));
    t.run(1);
    EXPECT_EQ(t.mouse(), XY(441, 475));  // then every 5
}

TEST(Pointer_Steer, TheOptionScreensChoicesRowsAndOk) {
    Test_Game t(1, false);
    t.click_at(Title_Option_Burst);
    t.run(1);
    ASSERT_TRUE(t.s().Sponsor_Option_On);
    EXPECT_EQ(t.mouse(), XY(411, 308));  // OK
    Tap(t, 'U');
    EXPECT_EQ(t.mouse(), XY(291, 281));  // the eighth level's row, above OK
    Taps(t, "UUUUUUU");
    EXPECT_EQ(t.mouse(), XY(291, 190));  // the first
    Tap(t, 'U');
    EXPECT_EQ(t.mouse(), XY(291, 170));  // NOVICE
    Taps(t, "RR");
    EXPECT_EQ(t.mouse(), XY(411, 170));  // EXPERT
    Tap(t, 'D');
    EXPECT_EQ(t.mouse(), XY(291, 190));  // the first level
    Taps(t, "DDDDDDDD");
    EXPECT_EQ(t.mouse(), XY(411, 308));  // OK again
}

TEST(Pointer_Steer, TheScoreScreensTabsDeleteAndOk) {
    Score_Folder folder;
    Test_Game t(1, false);
    t.click_at(Title_Score_Burst);
    t.run(1);
    ASSERT_TRUE(t.s().Sponsor_Score_On);
    Tap(t, 'U');
    EXPECT_EQ(t.mouse(), XY(411, 130));  // the third tab, above OK
    Tap(t, 'L');
    EXPECT_EQ(t.mouse(), XY(351, 130));
    Tap(t, 'D');
    EXPECT_EQ(t.mouse(), XY(419, 347));  // OK lies nearer below the middle tab than DEL
    Tap(t, 'L');
    EXPECT_EQ(t.mouse(), XY(204, 347));  // DEL
    Tap(t, 'U');
    EXPECT_EQ(t.mouse(), XY(291, 130));  // the first tab
}

TEST(Pointer_Steer, NotWhileTheFigureWalksNorWhileANameIsTyped) {
    Test_Game t(1, false);
    t.start_game();
    const XY before = t.mouse();
    Tap(t, 'L');
    EXPECT_EQ(t.mouse(), before);
    Score_Folder folder;
    Test_Game typing(1, false);
    typing.s().Sponsor_On = false;
    typing.s().Set_Score_New_On = true;
    typing.s().Score = 1000000;  // a score for the table: the name is typed
    typing.run(1);
    ASSERT_TRUE(typing.s().Name_Entry_On);
    const XY on_ok = typing.mouse();
    Tap(typing, 'U');  // K, J, H and L walk and type: in a name they are letters
    EXPECT_EQ(typing.mouse(), on_ok);
}

// A key held from the game into the title steers only once it is pressed again.
TEST(Pointer_Steer, AKeyHeldFromPlayWaitsToBePressedAgain) {
    Test_Game t(1, false);
    t.start_game();
    t.hold(false, false, false, true);
    t.run(5);
    t.click_at(Panel_Title_Burst);  // the title over the game
    t.run(1);
    ASSERT_TRUE(t.s().Sponsor_Paused);
    EXPECT_EQ(t.mouse(), XY(505, 475));
    t.release();
    t.run(1);
    Tap(t, 'R');
    EXPECT_EQ(t.mouse(), XY(569, 475));
}

// Keyboard alone, as a recording keeps it: the arrows steer, the press key's click presses.
// The option screen to EXPERT and the fifth level, OK, then START.
TEST(Pointer_Steer, KeyboardAloneChoosesAndStarts) {
    std::string script = "seed 3\n";
    int frame = 2;
    auto tap = [&](const char* dir) {
        script += std::to_string(frame) + " hold " + dir + "\n";
        script += std::to_string(frame + 1) + " release " + dir + "\n";
        frame += 2;
    };
    auto press = [&] { script += std::to_string(frame++) + " click\n"; };
    tap("left");  // OPTIONS
    press();
    for (int i = 0; i < 4; ++i) tap("up");  // from OK to the fifth level
    press();
    for (int i = 0; i < 5; ++i) tap("up");  // NOVICE
    tap("right");
    tap("right");  // EXPERT
    press();
    for (int i = 0; i < 9; ++i) tap("down");  // OK
    press();
    press();  // START, where the title puts the pointer
    Script s;
    std::string error;
    ASSERT_TRUE(Parse_Script(script, s, error)) << error;
    Headless_Runner run(nullptr, 3);
    run.Run(s, frame + 1);
    const Game_State& g = run.world().game;
    EXPECT_EQ(g.Difficulty, 3);
    EXPECT_EQ(g.Level, 5);
    EXPECT_FALSE(g.Sponsor_Option_On);
    EXPECT_FALSE(g.Sponsor_On);  // the game started
}

}  // namespace
}  // namespace zarvo::test
