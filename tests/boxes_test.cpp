// The level-complete, game-over and code-word boxes: their timing, their OK buttons and the
// code-word cursor.
#include "screens/boxes.h"

#include "support/score_folder.h"
#include "support/test_game.h"

namespace zarvo::test {
namespace {

struct Boxes : ::testing::Test {
    Test_Game t;
    Game_State& s() { return t.s(); }

    template <class Box>
    auto click_box(Box box, int x, int y) {
        Pending_Click(s(), x, y);
        return box(t.g);
    }
    void type(const char* word) {
        for (const char* p = word; *p; ++p) t.key(Letter_Key(*p));
    }
};

TEST_F(Boxes, LevelCompleteWaitsSixtyFramesThenTakesOnlyItsButton) {
    s().Sponsor_On = false;
    s().Well_Done = true;
    s().Well_Done_Tick = 1;  // as the frame loop raises it
    for (int frame = 1; frame <= 60; ++frame) {
        s().Key_Pressed = true;
        click_box(Show_Well_Done, 430, 260);
        ASSERT_TRUE(s().Well_Done) << frame;
        EXPECT_FALSE(s().Key_Pressed) << frame;
        EXPECT_FALSE(s().Mouse_Clicked) << frame;
    }
    for (int frame = 1; frame <= 100; ++frame) Show_Well_Done(t.g);
    EXPECT_EQ(Waves_Played(t.media, Wave::Reload), 1);
    for (auto [x, y] : {std::pair{408, 260}, {452, 260}, {430, 247}, {430, 285}}) {
        click_box(Show_Well_Done, x, y);
        EXPECT_TRUE(s().Well_Done) << x << "," << y;
    }
    EXPECT_TRUE(click_box(Show_Well_Done, 451, 248));
    EXPECT_FALSE(s().Well_Done);
    EXPECT_EQ(s().Well_Done_Tick, 0);
}

TEST_F(Boxes, LevelCompleteThroughTheFrameLoop) {
    t.start_game();
    s().Enimy_Count = 0;
    t.run(21);
    ASSERT_TRUE(s().Well_Done);
    t.key(Key_Code::Enter);  // half a second in: thrown away
    t.run(38);
    EXPECT_TRUE(s().Well_Done);
    EXPECT_EQ(Waves_Played(t.media, Wave::Reload), 0);
    t.run(1);
    t.key(Key_Code::Enter);  // a second and a half in
    t.run(1);
    EXPECT_FALSE(s().Well_Done);
    EXPECT_EQ(Waves_Played(t.media, Wave::Reload), 1);
    EXPECT_EQ(s().Level, 2);
    EXPECT_EQ(t.media.clip.Top, 432);  // the pointer is back on the game panel
}

TEST_F(Boxes, GameOverLeadsToTheNameEntry) {
    s().Sponsor_On = false;
    s().Game_Over = true;
    t.run(1);
    EXPECT_EQ(t.media.pointer_x, 423);
    EXPECT_EQ(t.media.pointer_y, 258);
    EXPECT_EQ(s().Back_Picture_Image, Img2::CopyRight);
    click_box(Show_Game_Over, 452, 284);
    click_box(Show_Game_Over, 409, 285);
    EXPECT_TRUE(s().Game_Over);
    click_box(Show_Game_Over, 409, 284);
    EXPECT_FALSE(s().Game_Over);
    EXPECT_TRUE(s().Set_Score_New_On);
    EXPECT_TRUE(s().Game_Halted);
    EXPECT_EQ(t.w().screens.Game_Over_Tick, 0);
    EXPECT_EQ(t.media.clip.Top, 49);
}

TEST_F(Boxes, CodeWordCursorStandsRightOfTheLastLetterAndBlinks) {
    Recording_Media rec;
    Game g{t.w(), rec};
    Pending_Click(s(), 300, 470);
    t.run(1);
    ASSERT_TRUE(s().CodeWords_On);
    type("ABCDEFGHIJKLMNOPQRSTUVW");
    t.w().screens.CodeWord_Tick = 0;
    for (int frame = 1; frame <= 20; ++frame) {
        rec.letters.clear();
        Show_CodeWords(g);
        EXPECT_EQ(rec.letters_at(379, 198), frame <= 10 ? 1 : 0) << frame;
        EXPECT_EQ(rec.letters_in_row(199), 20);
    }
    t.key(Key_Code::Enter);
    rec.letters.clear();
    Show_CodeWords(g);
    EXPECT_EQ(rec.letters_at(179, 218), 1);  // now under the empty second word
}

TEST_F(Boxes, CodeWordBoxClosesOnOkOrOnTheEnterAfterBothWords) {
    Pending_Click(s(), 300, 470);
    t.run(1);
    type("WRONG");
    t.key(Key_Code::Enter);
    type("plonkmiragevus");
    t.key(Key_Code::Enter);
    t.run(1);
    EXPECT_TRUE(s().CodeWords_On);  // Enter belonged to the typing
    EXPECT_TRUE(s().Fire_Code);
    t.key(Key_Code::Enter);
    t.run(1);
    EXPECT_FALSE(s().CodeWords_On);
    EXPECT_TRUE(s().Sponsor_On);  // the same Enter does not start the game

    Pending_Click(s(), 300, 470);
    t.run(1);
    type("XORB");
    for (auto [x, y] : {std::pair{388, 250}, {447, 250}, {400, 233}, {400, 271}}) {
        click_box(Show_CodeWords, x, y);
        EXPECT_TRUE(s().CodeWords_On) << x << "," << y;
    }
    click_box(Show_CodeWords, 446, 270);
    EXPECT_FALSE(s().CodeWords_On);
    EXPECT_FALSE(s().CodeWord_1_Typing);
    EXPECT_EQ(t.media.clip.Top, 445);
}

}  // namespace
}  // namespace zarvo::test
