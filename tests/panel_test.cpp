// The bitmap text, the game panel and the click star burst, checked on the drawn pixels.
#include "screens/panel.h"

#include <gtest/gtest.h>

#include "assets/bitmap_text.h"
#include "support/test_game.h"

namespace zarvo {
namespace {

using test::XY;

struct Panel : ::testing::Test {
    test::Test_Game t;

    void SetUp() override {
        ASSERT_NE(test::Test_Assets(), nullptr);
        t.media.Clear_Back_Buffer(0);
    }
    const Surface& screen() { return t.media.Back_Buffer(); }
    const Image& item(Image_Id image) {
        return *test::Test_Assets()->Find(image.List, image.Index);
    }

    // True when the image stands with its top-left corner at (x, y): its drawn pixels are on
    // the screen and its keyed pixels left the black background alone.
    bool shows(Image_Id image, int x, int y) {
        const Image& img = item(image);
        for (int iy = 0; iy < img.Height; ++iy)
            for (int ix = 0; ix < img.Width; ++ix) {
                const bool keyed = img.Key >= 0 && img.At(ix, iy) == static_cast<uint32_t>(img.Key);
                if (screen().At(x + ix, y + iy) != (keyed ? 0u : img.At(ix, iy))) return false;
            }
        return true;
    }
    bool blank(int x, int y, int w, int h) {
        for (int iy = y; iy < y + h; ++iy)
            for (int ix = x; ix < x + w; ++ix)
                if (screen().At(ix, iy) != 0u) return false;
        return true;
    }
};

TEST_F(Panel, TextComesOutInCapitalGlyphsTenPixelsApart) {
    Show_Text(t.g.m, "Sorry", 100, 50);
    const Abc_Id letters[] = {Abc::S, Abc::O, Abc::R, Abc::R, Abc::Y};
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(shows(letters[k], 100 + 10 * k, 50)) << k;
    Show_Text(t.g.m, "10", 300, 50);
    EXPECT_TRUE(shows(Abc::Digit_1, 300, 50));
    EXPECT_TRUE(shows(Abc::Digit_0, 310, 50));
}

TEST_F(Panel, CharactersWithoutGlyphsLeaveGapsButKeepTheAdvance) {
    Show_Text(t.g.m, "DORNAK SPECIAL  ", 20, 100);
    EXPECT_TRUE(shows(Abc::K, 70, 100));
    EXPECT_TRUE(blank(80, 100, 10, 11));  // the space
    EXPECT_TRUE(shows(Abc::L, 150, 100));
    EXPECT_TRUE(blank(160, 100, 40, 11));  // two trailing spaces draw nothing
    Show_Text(t.g.m, "@ ,-!", 20, 200);
    EXPECT_TRUE(blank(20, 200, 60, 11));
    Show_Text(t.g.m, "=*.:", 20, 300);
    EXPECT_TRUE(shows(Abc::Gleich, 20, 300));
    EXPECT_TRUE(shows(Abc::Mal, 30, 300));
    EXPECT_TRUE(shows(Abc::Punkt, 40, 300));
    EXPECT_TRUE(shows(Abc::Doppelpunkt, 50, 300));
}

TEST_F(Panel, PanelShowsItsPictureAndTheNamesOfDifficultyAndLevel) {
    t.s().Difficulty = 3;
    t.s().Level = 5;
    Show_Panel(t.g);
    EXPECT_EQ(screen().At(0, 430), item(Img2::Panel_Game).At(0, 0));
    EXPECT_EQ(screen().At(600, 500), item(Img2::Panel_Game).At(600, 70));
    const Image& e = item(Abc::E);
    const Image& w = item(Abc::W);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 8; ++x) {
            if (e.At(x, y) != static_cast<uint32_t>(Key_Red)) {
                EXPECT_EQ(screen().At(30 + x, 440 + y), e.At(x, y));  // "EXPERT"
            }
            if (w.At(x, y) != static_cast<uint32_t>(Key_Red)) {
                EXPECT_EQ(screen().At(104 + x, 461 + y), w.At(x, y));  // "WIRELESS CYBORGS"
            }
        }
}

TEST_F(Panel, PanelSwitchesTheBackgroundPictureByTheChoice) {
    t.s().Back_Picture_Choice = 1;
    Show_Panel(t.g);
    EXPECT_EQ(t.s().Back_Picture_Image, Img2::CopyRight);
    t.s().Back_Picture_Choice = 0;
    Show_Panel(t.g);
    EXPECT_EQ(t.s().Back_Picture_Image, Img2::Sponsor);
}

TEST_F(Panel, BurstPlacesItsStarsThenFliesThemApartForTwentyFrames) {
    const Panel_State& p = t.w().panel;
    Start_Message_Explose(t.g, 300, 200);
    Show_Message_Explose(t.g);
    EXPECT_TRUE(blank(0, 0, 622, 513));  // tick 1 only places the stars
    EXPECT_EQ(p.Message_Explose_Star_X[1], 287);
    for (int tick = 2; tick <= 21; ++tick) {
        t.media.Clear_Back_Buffer(0);
        Show_Message_Explose(t.g);
        EXPECT_TRUE(p.Message_Explose_On);
    }
    // After the last drawn frame the axis stars stand 40 pixels out, the diagonal ones 80.
    EXPECT_EQ(p.Message_Explose_Star_X[1], 287 + 40);
    EXPECT_EQ(p.Message_Explose_Star_Y[4], 187 - 40);
    EXPECT_EQ(XY(p.Message_Explose_Star_X[6], p.Message_Explose_Star_Y[6]), XY(287 - 80, 187 - 80));
    EXPECT_EQ(XY(p.Message_Explose_Star_X[8], p.Message_Explose_Star_Y[8]), XY(287 - 80, 187 + 80));
    EXPECT_TRUE(shows(Img1::Star_Blue, 287 + 80,
                      187 + 80));  // star 5
    t.media.Clear_Back_Buffer(0);
    Show_Message_Explose(t.g);  // tick 22 ends it without drawing
    EXPECT_FALSE(p.Message_Explose_On);
    EXPECT_EQ(p.Message_Explose_Tick, 0);
    EXPECT_TRUE(blank(0, 0, 622, 513));
}

TEST_F(Panel, BurstStartedWhileRunningRestartsAtTheNewCentre) {
    const Panel_State& p = t.w().panel;
    Start_Message_Explose(t.g, 300, 200);
    for (int k = 0; k < 10; ++k) Show_Message_Explose(t.g);
    Start_Message_Explose(t.g, 100, 100);
    EXPECT_EQ(p.Message_Explose_Tick, 0);
    Show_Message_Explose(t.g);
    Show_Message_Explose(t.g);
    EXPECT_EQ(XY(p.Message_Explose_Star_X[2], p.Message_Explose_Star_Y[2]), XY(87, 89));
    t.media.Clear_Back_Buffer(0);
    for (int k = 0; k < 19; ++k) Show_Message_Explose(t.g);
    EXPECT_TRUE(p.Message_Explose_On);  // tick 21 of the new burst
    Show_Message_Explose(t.g);
    EXPECT_FALSE(p.Message_Explose_On);
}

}  // namespace
}  // namespace zarvo

#include "screens/standstill.h"

namespace zarvo::test {
namespace {

// A game standing still: the picture around the box at half its brightness, the box framed
// as the painted boxes are (a steel frame four pixels wide, a light blue line inside it, the
// corners cut round so the dimmed picture shows), the word in the large lettering (twice the
// glyph, 20 pixels apart).
TEST(Standstill, DimsThePictureAndShowsTheBoxWithLargeLetters) {
    Test_Game t(3);
    t.run(2);
    const uint32_t before = t.media.Picture().At(5, 5);
    const uint32_t before_corner = t.media.Picture().At(131, 170);
    Show_Standstill(t.g, t.media.Back_Buffer(), "PAUSED", "P: GO ON");
    const Surface& shown = t.media.Picture();
    EXPECT_EQ(shown.At(5, 5), (before >> 1) & 0x7F7F7F);
    EXPECT_EQ(shown.At(131, 170), (before_corner >> 1) & 0x7F7F7F);  // the corner cut round
    EXPECT_EQ(shown.At(135, 215), 0x30D0FFu);                        // the line inside the frame
    EXPECT_EQ(shown.At(486, 215), 0x30D0FFu);
    const uint32_t steel = shown.At(132, 215), inside = shown.At(140, 215);
    EXPECT_NE(steel, 0x30D0FFu);  // the frame's steel outside that line
    EXPECT_NE(steel, inside);
    EXPECT_GT(steel & 0xFF, 0x40u);  // lit, not a dark edge
    int lit_columns = 0;             // columns of the word's band holding any letter pixel
    for (int x = 136; x < 486; ++x) {
        bool lit = false;
        for (int y = 190; y < 210; ++y) lit = lit || shown.At(x, y) != shown.At(137, y);
        lit_columns += lit;
    }
    EXPECT_GT(lit_columns, 6 * 12);  // six letters of about 16 pixels, not of 8
}

}  // namespace
}  // namespace zarvo::test
