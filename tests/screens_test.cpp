// The title screen, the option screen and the score-table screen: their buttons' exact
// areas, the greeting, Start and Quit, and how each screen opens and closes.

#include "screens/title.h"
#include "support/allocations.h"
#include "support/score_folder.h"
#include "support/test_game.h"

namespace zarvo::test {
namespace {

struct Screens : ::testing::Test {
    Score_Folder folder;
    Test_Game t;
    Game_State& s() { return t.s(); }

    // A click at an exact spot, straight into the screen routine.
    void click(bool (*screen)(Game&), int x, int y) {
        Pending_Click(s(), x, y);
        screen(t.g);
    }
};

TEST_F(Screens, TheGreetingSoundsOncePerVisitTwentyOneFramesIn) {
    t.run(20);
    EXPECT_EQ(Waves_Played(t.media, Wave::Welcome), 0);
    t.run(100);
    ASSERT_EQ(Waves_Played(t.media, Wave::Welcome), 1);
    EXPECT_EQ(t.media.waves.back().Frame, 21);
    t.key(Key_Code::Enter);  // Start; then the title again over the game
    t.run(1);
    s().Sponsor_Paused = true;
    t.run(21);
    EXPECT_EQ(Waves_Played(t.media, Wave::Welcome), 2);
}

TEST_F(Screens, TitleButtonsHitExactlyTheirAreas) {
    struct Case {
        int x, y;
        bool Game_State::*opened;
    };
    const Button& score = Title_Score_Button;
    const int y = Centre(Title_Band).Y;
    const Case cases[] = {{score.Left - 1, y, nullptr},
                          {score.Left, score.Top, &Game_State::Sponsor_Score_On},
                          {score.Right, score.Bottom, &Game_State::Sponsor_Score_On},
                          {score.Right + 1, y, nullptr},
                          {Title_Option_Button.Left, y, &Game_State::Sponsor_Option_On},
                          {Title_CodeWord_Button.Right, y, &Game_State::CodeWords_On},
                          {Title_Start_Button.Right + 1, y, nullptr},
                          {Title_Start_Button.Left, Title_Band.Top - 1, nullptr}};
    for (const Case& k : cases) {
        Test_Game fresh;
        Pending_Click(fresh.s(), k.x, k.y);
        Show_Sponsor(fresh.g);
        if (k.opened) {
            EXPECT_TRUE(fresh.s().*k.opened) << k.x << "," << k.y;
        }
        EXPECT_EQ(fresh.s().Mouse_Clicked, !k.opened) << k.x << "," << k.y;
        EXPECT_TRUE(fresh.s().Sponsor_On);
    }
    click(Show_Sponsor, Title_Background_Button.Right, y);
    EXPECT_EQ(s().Back_Picture_Image, Img2::CopyRight);
    click(Show_Sponsor, Title_Background_Button.Left, y);
    EXPECT_EQ(s().Back_Picture_Image, Img2::Sponsor);
    click(Show_Sponsor, Title_Quit_Button.Right, Title_Quit_Button.Bottom);
    EXPECT_TRUE(t.media.closed);
    EXPECT_TRUE(s().Quit_Requested);
    for (int x : {Title_Start_Button.Left, Title_Start_Button.Right}) {
        s().Sponsor_On = true;
        click(Show_Sponsor, x, Title_Start_Button.Top);
        EXPECT_FALSE(s().Sponsor_On) << x;
    }
    EXPECT_EQ(t.media.pointer_x, 497);  // the pointer moved to the game panel
}

TEST_F(Screens, EnterStartsOnlyWhenNoBoxIsOpen) {
    s().Key_Pressed = true;
    s().Mouse_Y = 444;  // outside the button band not even the key is looked at
    Show_Sponsor(t.g);
    EXPECT_TRUE(s().Sponsor_On);
    s().Key_Pressed = false;
    t.click_at(Title_Score_Burst);
    t.run(1);
    ASSERT_TRUE(s().Sponsor_Score_On);
    t.key(Key_Code::Enter);  // closes the score table
    t.run(1);
    EXPECT_TRUE(s().Sponsor_On);
    EXPECT_FALSE(s().Sponsor_Score_On);
    t.key(Key_Code::Space);
    t.run(1);
    EXPECT_FALSE(s().Sponsor_On);
}

TEST_F(Screens, OptionChoicesHitOnlyInsideTheirRows) {
    s().Sponsor_Option_On = true;
    const Button d1 = Option_Difficulty_Button(1), d2 = Option_Difficulty_Button(2);
    const Button d3 = Option_Difficulty_Button(3);
    for (int y = d1.Bottom + 1; y < Option_Level_Row(1).Top; ++y)
        click(Show_Option, Centre(d1).X, y);
    for (int x : {d1.Right + 1, d2.Left - 1, d2.Right + 1, d3.Left - 1})
        click(Show_Option, x, Centre(d1).Y);
    click(Show_Option, Option_Level_Row(2).Right + 1, Centre(Option_Level_Row(2)).Y);
    EXPECT_EQ(s().Difficulty, 1);
    EXPECT_EQ(s().Level, 1);
    EXPECT_EQ(Waves_Played(t.media, Wave::Click), 0);
    click(Show_Option, d3.Right, d3.Bottom);
    EXPECT_EQ(s().Difficulty, 3);
    click(Show_Option, d2.Left, d2.Top);
    EXPECT_EQ(s().Difficulty, 2);
    click(Show_Option, Option_Level_Row(8).Right, Option_Level_Row(8).Bottom);
    EXPECT_EQ(s().Level, 8);
    s().Key_Pressed = true;
    click(Show_Option, Option_Level_Row(2).Left,
          Option_Level_Row(2).Top);  // a choice takes the pending key too, and stays open
    EXPECT_EQ(s().Level, 2);
    EXPECT_FALSE(s().Key_Pressed);
    EXPECT_TRUE(s().Sponsor_Option_On);
    click(Show_Option, Option_OK_Button.Left - 1, Centre(Option_OK_Button).Y);
    EXPECT_TRUE(s().Sponsor_Option_On);
    click(Show_Option, Option_OK_Button.Right, Option_OK_Button.Bottom);
    EXPECT_FALSE(s().Sponsor_Option_On);
    EXPECT_EQ(t.media.clip.Top, 445);

    s().Panel_Option_On = true;  // over the game: OK answers that the figure is to be freed
    s().Key_Pressed = true;
    EXPECT_TRUE(Show_Option(t.g));
    EXPECT_FALSE(s().Panel_Option_On);
    EXPECT_EQ(t.media.clip.Top, 432);
}

TEST_F(Screens, ScoreTabsDeleteAndOk) {
    s().Sponsor_Score_On = true;
    s().Difficulty = 2;
    s().Name_Entry_On = true;
    Show_Score(t.g);
    Screen_State& c = t.w().screens;
    EXPECT_EQ(c.Score_Difficulty, 2);
    EXPECT_FALSE(s().Name_Entry_On);  // this screen never takes a name
    const Button t1 = Score_Tab_Button(1), t2 = Score_Tab_Button(2), t3 = Score_Tab_Button(3);
    for (int x : {t1.Right + 1, t2.Left - 1, t2.Right + 1, t3.Left - 1})
        click(Show_Score, x, Centre(t1).Y);
    click(Show_Score, Centre(t1).X, t1.Top - 1);
    click(Show_Score, Centre(t1).X, t1.Bottom + 1);
    EXPECT_EQ(c.Score_Difficulty, 2);
    click(Show_Score, t3.Left, t3.Top);
    EXPECT_EQ(c.Score_Difficulty, 3);
    click(Show_Score, t1.Right, t1.Bottom);
    EXPECT_EQ(c.Score_Difficulty, 1);
    click(Show_Score, Score_Delete_Button.Right + 1, Centre(Score_Delete_Button).Y);
    EXPECT_EQ(c.Score_Points[1], 97000);
    click(Show_Score, Score_Delete_Button.Right, Score_Delete_Button.Bottom);
    EXPECT_EQ(Record(folder.bytes(), 1), Record_Of("Zarvo", 0));
    EXPECT_EQ(Record(folder.bytes(), 11), Record_Of("Zarvo", 67000));
    click(Show_Score, Score_OK_Button.Left, Score_OK_Button.Top);
    EXPECT_FALSE(s().Sponsor_Score_On);
    EXPECT_EQ(c.Score_Loaded, 0);
    EXPECT_EQ(t.media.clip.Top, 445);

    s().Panel_Score_On = true;  // over the game: OK answers that the figure is to be freed
    s().Key_Pressed = true;
    EXPECT_TRUE(Show_Score(t.g));
    EXPECT_FALSE(s().Panel_Score_On);
    EXPECT_EQ(t.media.clip.Top, 432);
}

// A screen closed over the running game frees the figure in the game's own frame, unless the
// figure is still dying, which keeps it frozen to the end.
TEST_F(Screens, ClosingOverTheGameFreesTheFigureUnlessItIsDying) {
    t.start_game();
    for (bool Game_State::*screen : {&Game_State::Panel_Option_On, &Game_State::Panel_Score_On}) {
        for (bool dying : {false, true}) {
            s().*screen = true;
            s().Game_Halted = true;
            t.w().player.Ego_Explose_On = dying;
            t.w().player.Ego_Explose_Tick = 0;
            t.key(Key_Code::Enter);
            t.run(1);
            EXPECT_FALSE(s().*screen) << "dying " << dying;
            EXPECT_EQ(s().Game_Halted, dying) << "dying " << dying;
        }
    }
}

TEST_F(Screens, ScreenFramesAllocateNothing) {
    t.media.waves.reserve(4096);
    const long before = Allocations_So_Far();
    t.run(30);  // the title with its greeting
    t.click_at(Title_Option_Burst);
    t.run(5);
    t.click_at(Centre(Option_Level_Row(3)));
    t.run(1);
    t.key(Key_Code::Enter);
    t.run(1);
    t.click_at(Title_Score_Burst);  // score table, reading and writing the file
    t.run(5);
    t.click_at(Score_Delete_Burst);
    t.run(1);
    t.key(Key_Code::Enter);
    t.run(1);
    t.click_at(Title_CodeWord_Burst);  // code words
    t.key(Letter_Key('A'));
    t.key(Key_Code::Enter);
    t.run(25);
    t.click_at(CodeWord_OK_Burst);
    t.run(1);
    EXPECT_EQ(Allocations_So_Far() - before, 0);
    EXPECT_FALSE(s().CodeWords_On);
    EXPECT_EQ(s().Level, 3);
}

}  // namespace
}  // namespace zarvo::test
