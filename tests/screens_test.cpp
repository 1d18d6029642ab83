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
    GameState& s() { return t.s(); }

    // A click at an exact spot, straight into the screen routine.
    void click(void (*screen)(Game&), int x, int y) {
        s().Mouse_X = x, s().Mouse_Y = y, s().Mouse_Clicked = true;
        screen(t.g);
    }
};

TEST_F(Screens, TheGreetingSoundsOncePerVisitTwentyOneFramesIn) {
    t.run(20);
    EXPECT_EQ(Waves_Played(t.media, Wave::Welcome), 0);
    t.run(100);
    ASSERT_EQ(Waves_Played(t.media, Wave::Welcome), 1);
    EXPECT_EQ(t.media.waves.back().Frame, 21);
    t.key(13);  // Start; then the title again over the game
    t.run(1);
    s().Sponsor_Paused = true;
    t.run(21);
    EXPECT_EQ(Waves_Played(t.media, Wave::Welcome), 2);
}

TEST_F(Screens, TitleButtonsHitExactlyTheirAreas) {
    struct Case {
        int x, y;
        bool GameState::*opened;
    };
    const Case cases[] = {{344, 470, nullptr},
                          {345, 445, &GameState::Sponsor_Score_On},
                          {401, 498, &GameState::Sponsor_Score_On},
                          {402, 470, nullptr},
                          {409, 470, &GameState::Sponsor_Option_On},
                          {337, 470, &GameState::CodeWords_On},
                          {530, 470, nullptr},
                          {473, 444, nullptr}};
    for (const Case& k : cases) {
        Test_Game fresh;
        fresh.s().Mouse_X = k.x, fresh.s().Mouse_Y = k.y, fresh.s().Mouse_Clicked = true;
        Show_Sponsor(fresh.g);
        if (k.opened) {
            EXPECT_TRUE(fresh.s().*k.opened) << k.x << "," << k.y;
        }
        EXPECT_EQ(fresh.s().Mouse_Clicked, !k.opened) << k.x << "," << k.y;
        EXPECT_TRUE(fresh.s().Sponsor_On);
    }
    click(Show_Sponsor, 273, 460);
    EXPECT_EQ(s().Back_Picture_Image, Img2::CopyRight);
    click(Show_Sponsor, 217, 460);
    EXPECT_EQ(s().Back_Picture_Image, Img2::Sponsor);
    click(Show_Sponsor, 594, 498);
    EXPECT_TRUE(t.media.closed);
    EXPECT_TRUE(s().Quit_Requested);
    for (int x : {473, 529}) {
        s().Sponsor_On = true;
        click(Show_Sponsor, x, 445);
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
    t.click_at(377, 475);
    t.run(1);
    ASSERT_TRUE(s().Sponsor_Score_On);
    t.key(13);  // closes the score table
    t.run(1);
    EXPECT_TRUE(s().Sponsor_On);
    EXPECT_FALSE(s().Sponsor_Score_On);
    t.key(32);
    t.run(1);
    EXPECT_FALSE(s().Sponsor_On);
}

TEST_F(Screens, OptionChoicesHitOnlyInsideTheirRows) {
    s().Sponsor_Option_On = true;
    for (int y = 177; y <= 183; ++y) click(Show_Option, 300, y);
    for (int x : {320, 322, 380, 382}) click(Show_Option, x, 170);
    click(Show_Option, 439, 200);
    EXPECT_EQ(s().Difficulty, 1);
    EXPECT_EQ(s().Level, 1);
    EXPECT_EQ(Waves_Played(t.media, Wave::Click), 0);
    click(Show_Option, 439, 176);
    EXPECT_EQ(s().Difficulty, 3);
    click(Show_Option, 323, 164);
    EXPECT_EQ(s().Difficulty, 2);
    click(Show_Option, 438, 184 + 13 * 7 + 12);
    EXPECT_EQ(s().Level, 8);
    s().Key_Pressed = true;
    click(Show_Option, 263, 197);  // a choice takes the pending key too, and stays open
    EXPECT_EQ(s().Level, 2);
    EXPECT_FALSE(s().Key_Pressed);
    EXPECT_TRUE(s().Sponsor_Option_On);
    click(Show_Option, 394, 300);
    EXPECT_TRUE(s().Sponsor_Option_On);
    click(Show_Option, 437, 334);
    EXPECT_FALSE(s().Sponsor_Option_On);
    EXPECT_EQ(t.media.clip.Top, 445);

    s().Panel_Option_On = true;  // over the game: OK releases it
    s().Game_Halted = true;
    s().Key_Pressed = true;
    Show_Option(t.g);
    EXPECT_FALSE(s().Panel_Option_On);
    EXPECT_FALSE(s().Game_Halted);
    EXPECT_EQ(t.media.clip.Top, 432);
}

TEST_F(Screens, ScoreTabsDeleteAndOk) {
    s().Sponsor_Score_On = true;
    s().Difficulty = 2;
    s().Name_Entry_On = true;
    Show_Score(t.g);
    ScreenState& c = t.w().screens;
    EXPECT_EQ(c.Score_Difficulty, 2);
    EXPECT_FALSE(s().Name_Entry_On);  // this screen never takes a name
    for (int x : {320, 322, 380, 382}) click(Show_Score, x, 130);
    click(Show_Score, 300, 123);
    click(Show_Score, 300, 137);
    EXPECT_EQ(c.Score_Difficulty, 2);
    click(Show_Score, 383, 124);
    EXPECT_EQ(c.Score_Difficulty, 3);
    click(Show_Score, 319, 136);
    EXPECT_EQ(c.Score_Difficulty, 1);
    click(Show_Score, 228, 350);
    EXPECT_EQ(c.Score_Points[1], 97000);
    click(Show_Score, 227, 374);
    EXPECT_EQ(Record(folder.bytes(), 1), Record_Of("Zarvo", 0));
    EXPECT_EQ(Record(folder.bytes(), 11), Record_Of("Zarvo", 67000));
    click(Show_Score, 395, 335);
    EXPECT_FALSE(s().Sponsor_Score_On);
    EXPECT_EQ(c.Score_Loaded, 0);
    EXPECT_EQ(t.media.clip.Top, 445);

    s().Panel_Score_On = true;  // over the game: OK releases it
    s().Game_Halted = true;
    s().Key_Pressed = true;
    Show_Score(t.g);
    EXPECT_FALSE(s().Panel_Score_On);
    EXPECT_FALSE(s().Game_Halted);
    EXPECT_EQ(t.media.clip.Top, 432);
}

TEST_F(Screens, ScreenFramesAllocateNothing) {
    t.media.waves.reserve(4096);
    const long before = Allocations_So_Far();
    t.run(30);             // the title with its greeting
    t.click_at(441, 475);  // options: the third level row
    t.run(5);
    t.click_at(300, 215);
    t.run(1);
    t.key(13);
    t.run(1);
    t.click_at(377, 475);  // score table, reading and writing the file
    t.run(5);
    t.click_at(204, 350);
    t.run(1);
    t.key(13);
    t.run(1);
    t.click_at(313, 475);  // code words
    t.key('A');
    t.key(13);
    t.run(25);
    t.click_at(411, 246);
    t.run(1);
    EXPECT_EQ(Allocations_So_Far() - before, 0);
    EXPECT_FALSE(s().CodeWords_On);
    EXPECT_EQ(s().Level, 3);
}

}  // namespace
}  // namespace zarvo::test
