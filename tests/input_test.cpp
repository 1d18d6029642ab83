// Keyboard and mouse events: text entries, the code words, Enter/Space and the star-shot
// request, the panel's buttons and the pointer confinement of each screen.
#include "game/input.h"

#include <gtest/gtest.h>

#include <string>

#include "driver/headless/runner.h"
#include "game/script.h"
#include "screens/cursor.h"
#include "support/score_folder.h"
#include "support/test_game.h"

namespace zarvo {
namespace {

using test::Test_Game;
using test::Waves_Played;
using test::XY;

template <int N>
std::string Text_Of(const Entry_Text<N>& e) {
    return std::string(e.Letters, static_cast<size_t>(e.Length));
}

void Type(Test_Game& t, const std::string& letters) {
    for (char c : letters) t.key(Letter_Key(c));
}

TEST(Text_Entry, NameTakesTenUpperCaseLettersAndBackspace) {
    Test_Game t(1, false);
    t.s().Name_Entry_On = true;
    Type(t, "abcXYZ");
    EXPECT_EQ(Text_Of(t.s().Player_Name), "ABCXYZ");
    Type(t, "mnopqr");  // 12 letters offered, 10 kept
    EXPECT_EQ(Text_Of(t.s().Player_Name), "ABCXYZMNOP");
    t.key(Key_Code::Backspace);
    EXPECT_EQ(Text_Of(t.s().Player_Name), "ABCXYZMNO");
    t.key(Key_Code::Space), t.key(Key_Code::Other), t.key(Key_Code::Other);  // no letters: ignored
    EXPECT_EQ(Text_Of(t.s().Player_Name), "ABCXYZMNO");
    for (int i = 0; i < 12; ++i)
        t.key(Key_Code::Backspace);  // Backspace on an empty entry does nothing
    EXPECT_EQ(t.s().Player_Name.Length, 0);
    EXPECT_FALSE(t.s().Key_Pressed);
}

TEST(Text_Entry, EnterEndsTheNameWithoutAKeyPress) {
    Test_Game t(1, false);
    t.s().Name_Entry_On = true;
    t.s().Star_Fire_Count = 5;
    Type(t, "ZED");
    t.key(Key_Code::Enter);
    EXPECT_TRUE(t.s().Name_Done);
    EXPECT_FALSE(t.s().Key_Pressed);
    EXPECT_FALSE(t.s().Star_Fire_Request);
}

TEST(Code_Words, BothWordsGrantTheirModes) {
    Test_Game t(1, false);
    t.s().CodeWord_1_Typing = true;
    Type(t, "xorblatterfum");
    t.key(Key_Code::Enter);
    EXPECT_TRUE(t.s().Immortal_Code);
    EXPECT_TRUE(t.s().CodeWord_2_Typing);
    EXPECT_FALSE(t.s().CodeWord_1_Typing);
    Type(t, "PLONKMIRAGEVUS");
    t.key(Key_Code::Enter);
    EXPECT_TRUE(t.s().Fire_Code);
    EXPECT_EQ(t.s().Star_Fire_Count, 24);
    EXPECT_FALSE(t.s().CodeWord_2_Typing);
    EXPECT_FALSE(t.s().Key_Pressed);
    EXPECT_EQ(XY(Waves_Played(t.media, Wave::Welcome), Waves_Played(t.media, Wave::No)), XY(2, 0));
}

TEST(Code_Words, WrongOrEmptyWordsPlayNoAndMoveOn) {
    Test_Game t(1, false);
    t.s().Immortal_Code = t.s().Fire_Code = true;
    t.s().Star_Fire_Count = 7;
    t.s().CodeWord_1_Typing = true;
    t.key(Key_Code::Enter);  // empty first word
    EXPECT_FALSE(t.s().Immortal_Code);
    EXPECT_TRUE(t.s().CodeWord_2_Typing);
    Type(t, "PLONKMIRAGEVU");  // one letter short
    t.key(Key_Code::Enter);
    EXPECT_FALSE(t.s().Fire_Code);
    EXPECT_EQ(t.s().Star_Fire_Count, 7);
    EXPECT_FALSE(t.s().CodeWord_2_Typing);
    EXPECT_EQ(Waves_Played(t.media, Wave::No), 2);
}

TEST(Code_Words, TwentyLetterLimitAndExactMatch) {
    Test_Game t(1, false);
    t.s().CodeWord_1_Typing = true;
    Type(t, "XORBLATTERFUMXXXXXXXYYY");
    EXPECT_EQ(Text_Of(t.s().CodeWord_1), "XORBLATTERFUMXXXXXXX");
    for (int i = 0; i < 7; ++i) t.key(Key_Code::Backspace);
    EXPECT_EQ(Text_Of(t.s().CodeWord_1), "XORBLATTERFUM");
    t.key(Key_Code::Enter);
    EXPECT_TRUE(t.s().Immortal_Code);
}

TEST(Enter_And_Space, RaiseKeyPressAndStarShotRequest) {
    Test_Game t(1, false);
    t.key(Key_Code::Space);
    EXPECT_TRUE(t.s().Key_Pressed);
    EXPECT_FALSE(t.s().Star_Fire_Request);  // no star shots left
    t.s().Star_Fire_Count = 3;
    t.key(Key_Code::Enter);
    EXPECT_TRUE(t.s().Key_Pressed);
    EXPECT_TRUE(t.s().Star_Fire_Request);
    t.key(Letter_Key('Q'));  // any other key withdraws both
    EXPECT_FALSE(t.s().Key_Pressed);
    EXPECT_FALSE(t.s().Star_Fire_Request);
    t.key(Key_Code::Enter);
    t.key(Key_Code::Other);
    EXPECT_FALSE(t.s().Key_Pressed);
    t.s().Well_Done = true;  // the level-complete box never fires a star shot
    t.key(Key_Code::Space);
    EXPECT_TRUE(t.s().Key_Pressed);
    EXPECT_FALSE(t.s().Star_Fire_Request);
}

struct Button_Case {
    const char* name;
    Button area;
};

constexpr Button_Case Panel_Buttons[] = {
    {"background", Panel_Picture_Button},
    {"score", Panel_Score_Button},
    {"title", Panel_Title_Button},
    {"options", Panel_Option_Button},
};

bool In_Any_Button(int x, int y) {
    for (const Button_Case& b : Panel_Buttons)
        if (b.area.Contains(x, y)) return true;
    return false;
}

// A click while playing, at window pixel (x, y), with the pointer free to go there.
void Playing_Click(Test_Game& t, int x, int y) {
    t.media.Release_Pointer();
    t.s().Playing = true;
    t.s().Mouse_Clicked = false;
    t.click_at(x, y);
}
void Playing_Click(Test_Game& t, Screen_Point p) {
    Playing_Click(t, p.X, p.Y);
}

TEST(Panel_Clicks, EveryButtonAnswersOnItsEdgesAndNotBeyond) {
    for (const Button_Case& button : Panel_Buttons) {
        SCOPED_TRACE(button.name);
        const Button& b = button.area;
        const int corners[4][2] = {
            {b.Left, b.Top}, {b.Right, b.Top}, {b.Left, b.Bottom}, {b.Right, b.Bottom}};
        for (const auto& c : corners) {
            Test_Game t(1, false);
            Playing_Click(t, c[0], c[1]);
            EXPECT_FALSE(t.s().Mouse_Clicked) << c[0] << "," << c[1];
            EXPECT_EQ(Waves_Played(t.media, Wave::Click), 1);
        }
        const int outside[4][2] = {{b.Left - 1, b.Top},
                                   {b.Right + 1, b.Bottom},
                                   {b.Left, b.Top - 1},
                                   {b.Right, b.Bottom + 1}};
        for (const auto& c : outside) {
            Test_Game t(1, false);
            Playing_Click(t, c[0], c[1]);
            const bool other = In_Any_Button(c[0], c[1]);
            EXPECT_EQ(t.s().Mouse_Clicked, !other) << c[0] << "," << c[1];
            EXPECT_EQ(Waves_Played(t.media, Wave::Click), other ? 1 : 0);
        }
    }
}

TEST(Panel_Clicks, EffectsOfTheFourButtons) {
    Test_Game bg(1, false);
    Playing_Click(bg, Panel_Picture_Burst);
    EXPECT_EQ(bg.s().Back_Picture_Choice, 1);
    EXPECT_EQ(bg.mouse(), XY(497, 452));  // the panel rect placed the pointer on the title area
    Playing_Click(bg, Panel_Picture_Button.Right, Panel_Picture_Button.Bottom);
    EXPECT_EQ(bg.s().Back_Picture_Choice, 0);
    EXPECT_FALSE(bg.s().Game_Halted);

    Test_Game score(1, false);
    score.s().Set_Score_New_On = true;
    Playing_Click(score, Panel_Score_Burst);
    EXPECT_TRUE(score.s().Game_Halted);
    EXPECT_TRUE(score.s().Panel_Score_On);
    EXPECT_FALSE(score.s().Set_Score_New_On);
    EXPECT_EQ(score.s().Mouse_X, 419);

    Test_Game title(1, false);
    Playing_Click(title, Panel_Title_Burst);
    EXPECT_TRUE(title.s().Game_Halted);
    EXPECT_TRUE(title.s().Sponsor_Paused);
    EXPECT_EQ(title.mouse(), XY(505, 475));

    Test_Game option(1, false);
    option.s().Sponsor_Option_On = true;
    Playing_Click(option, Panel_Option_Burst);
    EXPECT_TRUE(option.s().Panel_Option_On);
    EXPECT_TRUE(option.s().Game_Halted);
    EXPECT_FALSE(option.s().Sponsor_Option_On);
    EXPECT_EQ(option.mouse(), XY(411, 308));
}

TEST(Panel_Clicks, BetweenButtonsOrOutsidePlayTheClickStaysPending) {
    for (int x = Panel_Picture_Button.Right + 1; x < Panel_Score_Button.Left; ++x) {
        Test_Game t(1, false);
        Playing_Click(t, x, 480);
        EXPECT_TRUE(t.s().Mouse_Clicked);
        EXPECT_TRUE(t.media.waves.empty());
    }
    Test_Game title_screen(1, false);
    title_screen.media.Release_Pointer();
    title_screen.s().Playing = false;
    title_screen.click_at(Panel_Picture_Burst);  // a panel button, but the game is not running
    EXPECT_TRUE(title_screen.s().Mouse_Clicked);
    EXPECT_EQ(title_screen.s().Back_Picture_Choice, 0);
}

// A click counts where it was made, whatever the pointer does before the frame that judges it.
// Each scenario clicks a button and moves the pointer onto its neighbour within one tick.
World Played(const std::string& script, int frames) {
    Script s;
    std::string error;
    EXPECT_TRUE(Parse_Script(script, s, error)) << error;
    Headless_Runner run(nullptr, s.Seed.value_or(1));
    run.Run(s, frames);
    return run.world();
}

TEST(Click_Place, TitleStartThenTheQuitBeside) {
    const World w = Played("seed 1\n40 move 505 475\n40 click\n40 move 560 475\n", 40);
    EXPECT_FALSE(w.game.Quit_Requested);
    EXPECT_FALSE(w.game.Sponsor_On);  // the game started
}

TEST(Click_Place, TitleQuitThenTheStartBeside) {
    const World w = Played("seed 1\n40 move 560 475\n40 click\n40 move 505 475\n", 40);
    EXPECT_TRUE(w.game.Quit_Requested);
}

TEST(Click_Place, ScoreScreenOkThenDeleteAndDeleteThenOk) {
    test::Score_Folder folder;
    // the score button at frame 30, then OK clicked and the pointer on DEL
    const World ok = Played(
        "30 move 377 475\n30 click\n40 move 419 347\n40 click\n"
        "40 move 204 347\n",
        40);
    EXPECT_FALSE(ok.game.Sponsor_Score_On);
    EXPECT_EQ(test::Record(folder.bytes(), 1), test::Record_Of(Default_Score_Name(1), 97000));
    const World del = Played(
        "30 move 377 475\n30 click\n40 move 204 347\n40 click\n"
        "40 move 419 347\n",
        40);
    EXPECT_TRUE(del.game.Sponsor_Score_On);
    EXPECT_EQ(test::Record(folder.bytes(), 1), test::Record_Of(Default_Score_Name(1), 0));
}

TEST(Click_Place, OptionScreenDifficultyThenOk) {
    // the option button at frame 30; difficulty 3 clicked, the pointer straight on to OK
    const World w = Played(
        "30 move 441 475\n30 click\n40 move 411 170\n40 click\n"
        "40 move 411 308\n",
        40);
    EXPECT_EQ(w.game.Difficulty, 3);
    EXPECT_TRUE(w.game.Sponsor_Option_On);
}

TEST(Click_Place, CodeWordBoxBesideItsOk) {
    const World w = Played(
        "30 move 313 475\n30 click\n40 move 300 240\n40 click\n"
        "40 move 411 246\n",
        40);
    EXPECT_TRUE(w.game.CodeWords_On);
}

// A click that hit nothing in play is still pending when the game ends; the game-over box puts
// the pointer on its OK, but the click was made on the panel and does not accept the box.
TEST(Click_Place, AClickLeftFromPlayDoesNotAcceptTheGameOverBox) {
    Test_Game t(1, false);
    t.start_game();
    t.move(440, 480);  // between the panel's picture and score buttons
    DXDraw1Click(t.g);
    t.run(1);
    ASSERT_TRUE(t.s().Mouse_Clicked);
    t.s().Game_Over = true;
    t.run(1);
    EXPECT_TRUE(t.s().Game_Over);
    EXPECT_FALSE(t.s().Set_Score_New_On);
}

// During play the panel judges a click at once: a click beside the score button followed by
// a move onto it, and a click on it followed by a move away.
TEST(Click_Place, PanelButtonsInOneTick) {
    const World beside = Played("1 key 13\n200 move 440 480\n200 click\n200 move 481 491\n", 201);
    EXPECT_FALSE(beside.game.Panel_Score_On);
    const World on = Played("1 key 13\n200 move 481 491\n200 click\n200 move 440 480\n", 201);
    EXPECT_TRUE(on.game.Panel_Score_On);
}

struct Rect_Case {
    const char* name;
    void (*routine)(Game&);
    int left, top, right, bottom, x, y;
};

constexpr Rect_Case Cursor_Rects[] = {
    {"sponsor", Set_Sponsor_Cursor_Rect, 217, 445, 594, 498, 505, 475},
    {"panel", Set_Panel_Cursor_Rect, 397, 432, 598, 498, 497, 452},
    {"score", Set_Score_Cursor_Rect, 150, 49, 461, 380, 419, 347},
    {"option", Set_Option_Cursor_Rect, 150, 89, 461, 340, 411, 308},
    {"well done", Set_Well_Done_Cursor_Rect, 143, 140, 479, 290, 423, 258},
    {"code words", Set_CodeWord_Cursor_Rect, 143, 153, 479, 276, 411, 246},
    {"game over", Set_Game_Over_Cursor_Rect, 143, 140, 479, 290, 423, 258},
};

TEST(Cursor_Rects, ConfinePlaceAndLimitThePointer) {
    for (const Rect_Case& r : Cursor_Rects) {
        SCOPED_TRACE(r.name);
        Test_Game t(1, false);
        r.routine(t.g);
        EXPECT_EQ(t.mouse(), XY(r.x, r.y));
        EXPECT_EQ(XY(t.media.pointer_x, t.media.pointer_y), XY(r.x, r.y));
        t.move(0, 0);
        EXPECT_EQ(t.mouse(), XY(r.left, r.top));
        t.move(1000, 1000);  // the pointer reaches Right-1 and Bottom-1
        EXPECT_EQ(t.mouse(), XY(r.right - 1, r.bottom - 1));
    }
}

}  // namespace
}  // namespace zarvo
