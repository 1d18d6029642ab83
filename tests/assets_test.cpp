// The catalogue, the generated asset folder, the bitmap and wave files and the loader.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <type_traits>

#include "assetgen/generate.h"
#include "assets/asset_loader.h"
#include "platform/image_file.h"
#include "platform/program_folder.h"
#include "platform/wave_file.h"
#include "screens/screen_rects.h"
#include "support/test_game.h"
#include "wave_measure.h"

namespace zarvo {
namespace {

namespace fs = std::filesystem;

const Image& Item(Image_List list, int index) {
    return *test::Test_Assets()->Find(list, index);
}

TEST(Catalogue, ListsHaveTheirFixedLengthsAndPerListIndices) {
    EXPECT_EQ(Image_List_Size(Image_List::List_1), 114);
    // The game's 131, and our own after them: the mark of an entry whose game can be watched,
    // and the mark that the score board has that game.
    EXPECT_EQ(Image_List_Size(Image_List::List_2), 133);
    EXPECT_EQ(Image_List_Size(Image_List::Abc), 41);
    EXPECT_EQ(Image_List_Size(Image_List::Ex), 65);
    EXPECT_EQ(Wave::Count, 18);
    EXPECT_STREQ(Image_List_1[46].Name, "Boxer");
    EXPECT_STREQ(Image_List_2[46].Name, "Sponsor");
    EXPECT_STREQ(Ex_List[46].Name, "Poff_10");
    EXPECT_EQ(Find_Image_Spec(Image_List::List_1, 114), nullptr);
    EXPECT_EQ(Find_Image_Spec(Image_List::Abc, -1), nullptr);
}

TEST(Catalogue, SizesKeysAndFormatsOfSampleItems) {
    const Image_Spec& kachel = Image_List_1[Img1::Kachel];
    EXPECT_EQ(kachel.Width, 16);
    EXPECT_EQ(kachel.Key, Key_None);
    EXPECT_EQ(Image_List_1[Img1::Kachel_Right].Key, Key_Blue);
    EXPECT_EQ(Image_List_1[Img1::Kachel_LeftDown].Key, Key_None);
    EXPECT_EQ(Image_List_1[Img1::Laser_UD].Key, Key_None);
    EXPECT_EQ(Image_List_1[Img1::Ego_No].Key, Key_Lime);
    EXPECT_EQ(Image_List_1[Img1::Ball_Mini_Blue].Key, Key_Red);
    EXPECT_EQ(Image_List_2[Img2::Bomb_Ex_11].Width, 47);
    EXPECT_EQ(Image_List_2[Img2::Option].Key, Key_Fuchsia);
    EXPECT_EQ(Image_List_2[Img2::Tank_Run_1].Key, Key_Fuchsia);
    EXPECT_EQ(Image_List_2[Img2::Blast_Thunder_Up_6].Width, 34);
    EXPECT_EQ(Image_List_2[Img2::Blast_Thunder_Up_6].Height, 152);
    EXPECT_EQ(Abc_List[Abc::Q].Height, 11);
    EXPECT_EQ(Abc_List[Abc::R].Height, 10);
    EXPECT_EQ(Ex_List[Ex::A_Ex_37].Key, Key_Red);
    EXPECT_EQ(Wave_List[Wave::Step].Rate, 32526);
    EXPECT_EQ(Wave_List[Wave::Cracker].Rate, 22025);
    EXPECT_EQ(Wave_List[Wave::FadenKreuz].Channels, 2);
    EXPECT_EQ(Wave_List[Wave::Rocky].Length_Ms, 5890);
}

TEST(GeneratedAssets, EveryItemLoadsWithItsCatalogueSizeKeyAndFormat) {
    ASSERT_NE(test::Test_Assets(), nullptr);
    const Assets& a = *test::Test_Assets();
    for (int l = 0; l < Image_List_Count; ++l) {
        const auto list = static_cast<Image_List>(l);
        ASSERT_EQ(a.Lists[l].size(), static_cast<size_t>(Image_List_Size(list)));
        for (int i = 0; i < Image_List_Size(list); ++i) {
            const Image& img = a.Lists[l][static_cast<size_t>(i)];
            const Image_Spec& entry = *Find_Image_Spec(list, i);
            EXPECT_EQ(img.Width, entry.Width) << entry.Name;
            EXPECT_EQ(img.Height, entry.Height) << entry.Name;
            EXPECT_EQ(img.Key, entry.Key) << entry.Name;
        }
    }
    for (int i = 0; i < Wave::Count; ++i) {
        const Sound& s = a.Waves[static_cast<size_t>(i)];
        EXPECT_EQ(Sound_Mismatch(s, Wave_List[static_cast<size_t>(i)]), "") << Wave_List[i].Name;
    }
}

// Every picture shows something: a keyed item draws at least a few pixels and leaves some
// of its rectangle clear, and none is a single flat colour.
TEST(GeneratedAssets, EveryPictureIsDrawnAndKeyedOnesHaveTransparentParts) {
    ASSERT_NE(test::Test_Assets(), nullptr);
    const Assets& a = *test::Test_Assets();
    for (int l = 0; l < Image_List_Count; ++l)
        for (const Image& img : a.Lists[l]) {
            int clear = 0, colours_seen = 0;
            uint32_t first = img.Pixels[0];
            for (uint32_t p : img.Pixels) {
                clear += img.Key >= 0 && p == static_cast<uint32_t>(img.Key);
                colours_seen += p != first;
            }
            EXPECT_GT(colours_seen, 0) << "list " << l << " flat picture";
            if (img.Key >= 0) {
                EXPECT_GT(clear, 0) << "list " << l;
                EXPECT_LT(clear, static_cast<int>(img.Pixels.size()) - 4)
                    << "list " << l << " " << img.Width << "x" << img.Height;
            }
        }
}

// Every hole in the arena opens onto the backdrop, so the backdrop must never show a piece of
// play: its pixels may not carry the colours of the floor plate, the figure or the Boxer
// (the key art on it is drawn in the sky's own inks). Pure white and black are left out:
// a star's core and an outline belong to no piece. A lone star or wisp of cloud may meet a
// piece's colour by chance; a piece drawn into the picture brings hundreds of its pixels.
TEST(GeneratedAssets, BackdropsShareNoColourWithFloorFigureOrEnemy) {
    ASSERT_NE(test::Test_Assets(), nullptr);
    const struct {
        Image_List list;
        int index;
        const char* name;
    } pieces[] = {{Image_List::List_1, Img1::Kachel, "Kachel"},
                  {Image_List::List_1, Img1::Ego_Right_2, "Ego_Right_2"},
                  {Image_List::List_1, Img1::Boxer, "Boxer"}};
    for (const int backdrop : {Img2::Sponsor, Img2::CopyRight})
        for (const auto& piece : pieces) {
            const Image& p = Item(piece.list, piece.index);
            std::vector<uint32_t> palette;
            for (uint32_t c : p.Pixels)
                if ((p.Key < 0 || c != static_cast<uint32_t>(p.Key)) && c != 0xFFFFFF && c != 0)
                    palette.push_back(c);
            std::sort(palette.begin(), palette.end());
            int shared = 0;
            for (uint32_t c : Item(Image_List::List_2, backdrop).Pixels)
                shared += std::binary_search(palette.begin(), palette.end(), c);
            EXPECT_LT(shared, 16) << "backdrop " << backdrop << " pixels in " << piece.name
                                  << "'s colours";
        }
}

// Edge pieces: the brightest line of each straight piece lies on the side that faces the
// outside of the clockwise loop (above Right, right of Down, below Left, left of Up).
TEST(GeneratedAssets, EdgeRailsFaceTheOutsideOfTheLoop) {
    ASSERT_NE(test::Test_Assets(), nullptr);
    auto brightness = [](uint32_t c) { return ((c >> 16) & 255) + ((c >> 8) & 255) + (c & 255); };
    auto brightest_row = [&](const Image& img) {
        int best = 0, best_sum = -1;
        for (int y = 0; y < 16; ++y) {
            int sum = 0;
            for (int x = 0; x < 16; ++x) sum += brightness(img.At(x, y));
            if (sum > best_sum) best_sum = sum, best = y;
        }
        return best;
    };
    auto brightest_column = [&](const Image& img) {
        int best = 0, best_sum = -1;
        for (int x = 0; x < 16; ++x) {
            int sum = 0;
            for (int y = 0; y < 16; ++y) sum += brightness(img.At(x, y));
            if (sum > best_sum) best_sum = sum, best = x;
        }
        return best;
    };
    EXPECT_LT(brightest_row(Item(Image_List::List_1, Img1::Kachel_Right)), 4);
    EXPECT_GT(brightest_row(Item(Image_List::List_1, Img1::Kachel_Left)), 11);
    EXPECT_LT(brightest_column(Item(Image_List::List_1, Img1::Kachel_Up)), 4);
    EXPECT_GT(brightest_column(Item(Image_List::List_1, Img1::Kachel_Down)), 11);
}

// Pieces laid side by side as the arena draws them join into one unbroken rail: along the
// top row of the loop (UpRight, Right, RightDown) the rail row stays lit across every seam.
TEST(GeneratedAssets, EdgeRailsJoinAcrossNeighbouringPieces) {
    ASSERT_NE(test::Test_Assets(), nullptr);
    Surface s(64, 64);
    const int pieces[] = {Img1::Kachel_UpRight, Img1::Kachel_Right, Img1::Kachel_RightDown};
    for (int k = 0; k < 3; ++k) Draw_Image(s, Item(Image_List::List_1, pieces[k]), 16 * k, 16);
    Draw_Image(s, Item(Image_List::List_1, Img1::Kachel_Down), 32, 32);
    Draw_Image(s, Item(Image_List::List_1, Img1::Kachel_Up), 0, 32);
    const uint32_t core = Item(Image_List::List_1, Img1::Kachel_Right).At(8, 2);
    for (int x = 3; x <= 45; ++x) EXPECT_EQ(s.At(x, 18), core) << "top rail at x " << x;
    for (int y = 19; y < 48; ++y) {
        EXPECT_EQ(s.At(2, y), core) << "left rail at y " << y;
        EXPECT_EQ(s.At(45, y), core) << "right rail at y " << y;
    }
}

bool Is_Key(const Image& img, int x, int y) {
    return img.Key >= 0 && img.At(x, y) == static_cast<uint32_t>(img.Key);
}

int Luma(uint32_t c) {
    return (((c >> 16) & 255) * 3 + ((c >> 8) & 255) * 6 + (c & 255)) / 10;
}

// Every shadow is one even dark tint filling exactly its body's shape: none outside the body,
// none bright, no gaps (a checkerboard turned by the game breaks into moire).
TEST(GeneratedAssets, ShadowsAreSolidDarkTintsOfTheirBodies) {
    ASSERT_NE(test::Test_Assets(), nullptr);
    struct Pair {
        Image_List list;
        int body, shadow;
    };
    std::vector<Pair> pairs = {{Image_List::List_1, Img1::Boxer, Img1::Boxer_Shadow},
                               {Image_List::List_1, Img1::Clipper, Img1::Clipper_shadow},
                               {Image_List::List_1, Img1::Pilot, Img1::Pilot_Shadow},
                               {Image_List::List_1, Img1::Bombe, Img1::Bombe_Shadow},
                               {Image_List::List_2, Img2::Tank_Run_1, Img2::Tank_Shadow},
                               {Image_List::List_2, Img2::Tank_Rocket, Img2::Tank_Rocket_Shadow}};
    for (int k = 0; k < 8; ++k)
        pairs.push_back({Image_List::List_2, Img2::Expander_1 + k, Img2::Expander_1_Shadow + k});
    for (int k = 0; k < 3; ++k)
        pairs.push_back({Image_List::List_2, Img2::Spider_1 + k, Img2::Spider_1_Shadow + k});
    for (int k = 0; k < 4; ++k)
        pairs.push_back({Image_List::List_2, Img2::Sub_1 + k, Img2::Sub_1_Shadow + k});
    for (const Pair& p : pairs) {
        const Image& body = Item(p.list, p.body);
        const Image& shadow = Item(p.list, p.shadow);
        int body_pixels = 0, drawn = 0, outside = 0, bright = 0, other_tint = 0;
        uint32_t tint = 0;
        for (int y = 0; y < body.Height; ++y)
            for (int x = 0; x < body.Width; ++x) {
                body_pixels += !Is_Key(body, x, y);
                if (Is_Key(shadow, x, y)) continue;
                if (drawn++ == 0) tint = shadow.At(x, y);
                outside += Is_Key(body, x, y);
                bright += Luma(shadow.At(x, y)) > 40;
                other_tint += shadow.At(x, y) != tint;
            }
        EXPECT_EQ(outside, 0) << "shadow " << p.shadow;
        EXPECT_EQ(bright, 0) << "shadow " << p.shadow;
        EXPECT_EQ(other_tint, 0) << "shadow " << p.shadow;       // one even tint: no grid to alias
        EXPECT_EQ(drawn, body_pixels) << "shadow " << p.shadow;  // solid: turned, it stays even
    }
}

// The frames of an animation change from one to the next, but never all at once: each step
// changes some pixels and keeps most of the picture's place.
TEST(GeneratedAssets, FrameSeriesAnimateSmoothly) {
    ASSERT_NE(test::Test_Assets(), nullptr);
    struct Series {
        Image_List list;
        int first, count;
    };
    const Series series[] = {{Image_List::List_1, Img1::Ego_Left_1, 4},
                             {Image_List::List_1, Img1::Ego_Right_1, 4},
                             {Image_List::List_1, Img1::Ego_Up_1, 2},
                             {Image_List::List_1, Img1::Ego_Down_1, 2},
                             {Image_List::List_1, Img1::Pilot_Ex_1, 9},
                             {Image_List::List_2, Img2::Tank_Run_1, 7},
                             {Image_List::List_2, Img2::Spider_1, 3},
                             {Image_List::List_2, Img2::Sub_1, 4},
                             {Image_List::List_2, Img2::Expander_1, 8},
                             {Image_List::List_2, Img2::Monster_Down_1, 3},
                             {Image_List::List_2, Img2::Monster_Left_Fly_1, 3},
                             {Image_List::List_2, Img2::Bomb_Ex_1, 10},
                             {Image_List::Ex, Ex::A_Ex_1, 37},
                             {Image_List::Ex, Ex::Poff_1, 10},
                             {Image_List::Ex, Ex::Ex_Boy_1, 18}};
    for (const Series& s : series)
        for (int k = 1; k < s.count; ++k) {
            const Image& a = Item(s.list, s.first + k - 1);
            const Image& b = Item(s.list, s.first + k);
            int changed = 0, shape_changed = 0;
            for (int y = 0; y < a.Height; ++y)
                for (int x = 0; x < a.Width; ++x) {
                    changed += a.At(x, y) != b.At(x, y);
                    shape_changed += Is_Key(a, x, y) != Is_Key(b, x, y);
                }
            const int size = a.Width * a.Height;
            EXPECT_GT(changed, 0) << "item " << s.first + k;
            EXPECT_LT(shape_changed * 2, size) << "item " << s.first + k;
        }
}

// Two glyphs look alike when they are as tall and hold the same pixels.
bool Same_Glyph(const Image& a, const Image& b) {
    return a.Height == b.Height && a.Pixels == b.Pixels;
}

TEST(GeneratedAssets, AlphabetGlyphsAreAllDifferent) {
    ASSERT_NE(test::Test_Assets(), nullptr);
    for (int a = 0; a < Abc::Count; ++a)
        for (int b = a + 1; b < Abc::Count; ++b) {
            const Image& ga = Item(Image_List::Abc, a);
            const Image& gb = Item(Image_List::Abc, b);
            EXPECT_FALSE(Same_Glyph(ga, gb)) << a << " and " << b;
        }
}

// Every place where the game draws text or readouts over a picture is free of painted detail:
// dark, and without a step of brightness between neighbouring pixels, so nothing of the picture
// can be taken for part of a letter. That holds for the hint line over the sky band of both
// backdrops too.
TEST(GeneratedAssets, TextAndReadoutPlacesAreFreeOfDetail) {
    ASSERT_NE(test::Test_Assets(), nullptr);
    struct Area {
        int index, x0, y0, left, top, right, bottom;
    };
    const Area areas[] = {{Img2::Sponsor, 0, 0, 175, 19, 434, 30},         // the star-shot hint
                          {Img2::CopyRight, 0, 0, 175, 19, 434, 30},       // the same
                          {Img2::Panel_Game, 0, 430, 104, 434, 279, 457},  // score
                          {Img2::Panel_Game, 0, 430, 302, 436, 356, 468},  // percentage
                          {Img2::Panel_Game, 0, 430, 30, 440, 89, 449},    // difficulty
                          {Img2::Panel_Game, 0, 430, 104, 461, 263, 470},  // level name
                          {Img2::Panel_Game, 0, 430, 101, 473, 287, 484},  // hearts
                          {Img2::Panel_Game, 0, 430, 102, 486, 388, 496},  // energy rows
                          {Img2::Panel_Game, 0, 430, 102, 500, 388, 509},  // star shots
                          {Img2::CodeWord, 143, 153, 179, 198, 386, 208},  // first word
                          {Img2::CodeWord, 143, 153, 179, 218, 386, 228},  // second word
                          {Img2::Score, 155, 49, 200, 160, 436, 304},      // the table
                          {Img2::Score, 155, 49, 235, 315, 436, 325},      // the player
                          {Img2::Score, 155, 49, 240, 344, 377, 368}};     // status line
    for (const Area& a : areas) {
        const Image& img = Item(Image_List::List_2, a.index);
        int brightest = 0, steepest = 0;
        for (int y = a.top; y <= a.bottom; ++y)
            for (int x = a.left; x <= a.right; ++x) {
                const int here = Luma(img.At(x - a.x0, y - a.y0));
                brightest = std::max(brightest, here);
                if (x > a.left)
                    steepest =
                        std::max(steepest, std::abs(here - Luma(img.At(x - 1 - a.x0, y - a.y0))));
                if (y > a.top)
                    steepest =
                        std::max(steepest, std::abs(here - Luma(img.At(x - a.x0, y - 1 - a.y0))));
            }
        EXPECT_LE(brightest, 40) << Image_List_2[a.index].Name << " at " << a.left << "," << a.top;
        EXPECT_LE(steepest, 4) << Image_List_2[a.index].Name << " at " << a.left << "," << a.top;
    }
}

// The option screen and the score table frame the chosen difficulty and arena with markers
// drawn over the painted names. A marker never lies on a pixel row of the letters it frames,
// at any of the places the game draws one.
TEST(GeneratedAssets, SelectionMarkersLeaveTheRowsOfTheirTextClear) {
    ASSERT_NE(test::Test_Assets(), nullptr);
    struct Place {
        int picture, x0, y0, marker, x, y;
    };
    std::vector<Place> places;
    for (int d = 1; d <= 3; ++d) {
        const Button option = Option_Difficulty_Button(d), tab = Score_Tab_Button(d);
        places.push_back(
            {Img2::Option, 155, 89, Img2::Option_Rahmen_Diff, option.Left, option.Top});
        places.push_back({Img2::Score, 155, 49, Img2::Option_Rahmen_Diff, tab.Left, tab.Top});
    }
    for (int level = 1; level <= 8; ++level) {
        const Button row = Option_Level_Row(level);
        places.push_back({Img2::Option, 155, 89, Img2::Oprtion_Rahmen_Arena, row.Left, row.Top});
    }
    for (const Place& p : places) {
        const Image& picture = Item(Image_List::List_2, p.picture);
        const Image& marker = Item(Image_List::List_2, p.marker);
        int letters = 0;
        for (int y = 0; y < marker.Height; ++y) {
            int text_in_row = 0, marker_in_row = 0;
            for (int x = 0; x < marker.Width; ++x) {
                text_in_row += Luma(picture.At(p.x + x - p.x0, p.y + y - p.y0)) > 110;
                marker_in_row += !Is_Key(marker, x, y);
            }
            letters += text_in_row;
            if (marker_in_row > 0) {
                EXPECT_EQ(text_in_row, 0) << Image_List_2[p.picture].Name << " marker at " << p.x
                                          << "," << p.y << " lies on a row of letters: " << y;
            }
        }
        EXPECT_GT(letters, 40) << Image_List_2[p.picture].Name << " at " << p.x << "," << p.y;
    }
}

struct Button_Check {
    Image_List list;
    int index;
    int x0, y0;                    // where the game draws the picture
    int left, right, top, bottom;  // the click rectangle in window pixels, both ends included
};

// The pictures carry their buttons exactly on the click rectangles the screens test: every
// side of each rectangle is an edge in the picture.
TEST(GeneratedAssets, ButtonsSitExactlyOnTheirClickRectangles) {
    ASSERT_NE(test::Test_Assets(), nullptr);
    std::vector<Button_Check> checks = {
        {Image_List::List_2, Img2::Panel_Game, 0, 430, 398, 436, 474, 510},
        {Image_List::List_2, Img2::Panel_Game, 0, 430, 445, 517, 474, 510},
        {Image_List::List_2, Img2::Panel_Game, 0, 430, 398, 598, 432, 472},
        {Image_List::List_2, Img2::Panel_Game, 0, 430, 526, 598, 474, 510},
        {Image_List::List_2, Img2::Option, 155, 89, 395, 437, 296, 334},
        {Image_List::List_2, Img2::Score, 155, 49, 180, 227, 335, 374},
        {Image_List::List_2, Img2::Score, 155, 49, 395, 437, 335, 374},
        {Image_List::List_2, Img2::Well_Done, 143, 140, 409, 451, 248, 284},
        {Image_List::List_2, Img2::Game_Over, 143, 140, 409, 451, 248, 284},
        {Image_List::List_2, Img2::CodeWord, 143, 153, 389, 446, 234, 270},
    };
    for (int k = 0; k < 6; ++k)
        checks.push_back({Image_List::List_2, Img2::Panel_Intro, 0, 430, 217 + 64 * k,
                          k == 5 ? 594 : 273 + 64 * k, 445, 498});
    for (int k = 0; k < 3; ++k) {
        checks.push_back(
            {Image_List::List_2, Img2::Option, 155, 89, 263 + 60 * k, 319 + 60 * k, 164, 176});
        checks.push_back(
            {Image_List::List_2, Img2::Score, 155, 49, 263 + 60 * k, 319 + 60 * k, 124, 136});
    }
    for (int n = 0; n < 8; ++n)
        checks.push_back(
            {Image_List::List_2, Img2::Option, 155, 89, 263, 438, 184 + 13 * n, 196 + 13 * n});
    for (const Button_Check& c : checks) {
        const Image& img = Item(c.list, c.index);
        const int l = c.left - c.x0, r = c.right - c.x0, t = c.top - c.y0, b = c.bottom - c.y0;
        int edges = 0, tested = 0;
        for (int x = l + 1; x < r; ++x, tested += 2) {
            edges += t == 0 || img.At(x, t) != img.At(x, t - 1);
            edges += b + 1 >= img.Height || img.At(x, b) != img.At(x, b + 1);
        }
        for (int y = t + 1; y < b; ++y, tested += 2) {
            edges += img.At(l, y) != img.At(l - 1, y);
            edges += img.At(r, y) != img.At(r + 1, y);
        }
        EXPECT_GE(edges * 10, tested * 9)
            << Image_List_2[c.index].Name << " button at " << c.left << "," << c.top;
    }
}

TEST(ImageFile, BitmapsRoundTripWithRowPadding) {
    Image img;
    img.Width = 5;  // 15 bytes a row, padded to 16
    img.Height = 3;
    for (int i = 0; i < 15; ++i) img.Pixels.push_back(0x010203u * static_cast<uint32_t>(i + 1));
    const std::string path = (fs::temp_directory_path() / "zarvo_roundtrip.bmp").string();
    ASSERT_TRUE(Write_Bmp(path, img));
    EXPECT_EQ(fs::file_size(path), 54u + 16u * 3u);
    Image back;
    std::string error;
    ASSERT_TRUE(Read_Bmp(path, back, error)) << error;
    EXPECT_EQ(back.Width, 5);
    EXPECT_EQ(back.Height, 3);
    EXPECT_EQ(back.Pixels, img.Pixels);
    std::ofstream(path, std::ios::binary) << "BM this is not a bitmap at all, only words";
    EXPECT_FALSE(Read_Bmp(path, back, error));
    fs::remove(path);
}

TEST(WaveFile, WavesRoundTripAndMeasureTheirLength) {
    Sound s;
    s.Rate = 8000;
    s.Bits = 16;
    s.Channels = 2;
    s.Data.assign(8000 * 4 / 2, 0x11);  // half a second of stereo frames
    const std::string path = (fs::temp_directory_path() / "zarvo_roundtrip.wav").string();
    ASSERT_TRUE(Write_Wav(path, s));
    Sound back;
    std::string error;
    ASSERT_TRUE(Read_Wav(path, back, error)) << error;
    EXPECT_EQ(back.Rate, 8000);
    EXPECT_EQ(back.Bits, 16);
    EXPECT_EQ(back.Channels, 2);
    EXPECT_EQ(back.Data, s.Data);
    EXPECT_EQ(Sound_Length_Ms(back), 500);
    Wave_Spec entry{"Test", 8000, 16, 2, 511};
    EXPECT_NE(Sound_Mismatch(back, entry), "");  // 11 ms short
    entry.Length_Ms = 510;
    EXPECT_EQ(Sound_Mismatch(back, entry), "");
    entry.Rate = 11025;
    EXPECT_NE(Sound_Mismatch(back, entry).find("11025"), std::string::npos);
    fs::remove(path);
}

std::string Read_File(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A copy of the generated asset folder that a test may damage.
struct Asset_Copy {
    fs::path dir;
    explicit Asset_Copy(const char* name) : dir(fs::temp_directory_path() / name) {
        fs::remove_all(dir);
        fs::copy(ZARVO_ASSET_DIR, dir, fs::copy_options::recursive);
    }
    ~Asset_Copy() { fs::remove_all(dir); }
    std::string load_message() {
        Assets a;
        std::string message;
        EXPECT_FALSE(Load_Assets(dir.string(), a, message));
        return message;
    }
};

std::vector<wavemeter::Wave_Measure> Measure_All(const std::vector<Sound>& waves) {
    std::vector<wavemeter::Wave_Measure> m;
    for (size_t i = 0; i < waves.size(); ++i)
        m.push_back(wavemeter::Measure_Wave(waves[i], Wave_List[i].Name));
    return m;
}

// Adds `delta` to every sample of a 16-bit or 8-bit recording, saturating at full scale.
void Shift(Sound& s, double gain, int delta) {
    if (s.Bits == 8) {
        for (uint8_t& v : s.Data)
            v = static_cast<uint8_t>(std::clamp(
                static_cast<int>(std::lround((v - 128) * gain)) + 128 + delta / 256, 0, 255));
        return;
    }
    for (size_t i = 0; i + 1 < s.Data.size(); i += 2) {
        const int v = static_cast<int16_t>(s.Data[i] | (s.Data[i + 1] << 8));
        const int w = std::clamp(static_cast<int>(std::lround(v * gain)) + delta, -32768, 32767);
        s.Data[i] = static_cast<uint8_t>(w & 0xFF);
        s.Data[i + 1] = static_cast<uint8_t>((w >> 8) & 0xFF);
    }
}

bool Names(const std::vector<std::string>& problems, const std::string& what) {
    return std::any_of(problems.begin(), problems.end(),
                       [&](const std::string& p) { return p.find(what) != std::string::npos; });
}

// The generated waves keep the level rules; the meter names each kind of damage done to them:
// an alert pushed 12 dB up, a frequent wave pushed 8 dB up and another 12 dB down, a DC offset,
// a recording cut off mid-sound, a clipped one.
TEST(GeneratedAssets, WavesKeepTheLevelRulesAndTheMeterNamesEveryBreak) {
    ASSERT_NE(test::Test_Assets(), nullptr);
    std::vector<Sound> waves = test::Test_Assets()->Waves;
    const auto clean = wavemeter::Level_Problems(Measure_All(waves));
    EXPECT_TRUE(clean.empty()) << clean.front();

    Shift(waves[Wave::Warning], 4.0, 0);
    Shift(waves[Wave::Laser], 2.5, 0);
    Shift(waves[Wave::Click], 0.25, 0);
    Shift(waves[Wave::Step], 1.0, 600);
    Sound& rocky = waves[Wave::Rocky];
    rocky.Data.resize(rocky.Data.size() / 6);  // in the middle of its last sweep
    Shift(waves[Wave::Explose_4], 8.0, 0);
    const auto broken = wavemeter::Level_Problems(Measure_All(waves));
    EXPECT_TRUE(Names(broken, "Warning: loudness")) << broken.size();
    EXPECT_TRUE(Names(broken, "Laser: loudness"));
    EXPECT_TRUE(Names(broken, "Click: loudness"));
    EXPECT_TRUE(Names(broken, "Step: DC offset"));
    EXPECT_TRUE(Names(broken, "Rocky: starts"));
    EXPECT_TRUE(Names(broken, "Explose_4: peak"));
    EXPECT_FALSE(Names(broken, "Welcome"));
}

TEST(AssetLoader, NamesAMissingFile) {
    Asset_Copy copy("zarvo_assets_missing");
    fs::remove(copy.dir / "DXImageList2" / "046_Sponsor.bmp");
    const std::string message = copy.load_message();
    EXPECT_NE(message.find("DXImageList2/046_Sponsor.bmp"), std::string::npos) << message;
    EXPECT_NE(message.find("missing"), std::string::npos) << message;
}

TEST(AssetLoader, NamesAPictureOfTheWrongSize) {
    Asset_Copy copy("zarvo_assets_size");
    Image small;
    small.Width = small.Height = 16;
    small.Pixels.assign(256, 0x808080);
    ASSERT_TRUE(Write_Bmp((copy.dir / "DXImageList1" / "005_Kachel_Right.bmp").string(), small));
    const std::string message = copy.load_message();
    EXPECT_NE(message.find("005_Kachel_Right.bmp"), std::string::npos) << message;
    EXPECT_NE(message.find("16 x 16"), std::string::npos) << message;
    EXPECT_NE(message.find("20 x 20"), std::string::npos) << message;
}

TEST(AssetLoader, NamesABitmapThatIsNotTwentyFourBit) {
    Asset_Copy copy("zarvo_assets_depth");
    const fs::path path = copy.dir / "DXAbcList" / "001_A.bmp";
    std::string bytes = Read_File(path);
    bytes[28] = 32;  // bits per pixel
    std::ofstream(path, std::ios::binary) << bytes;
    const std::string message = copy.load_message();
    EXPECT_NE(message.find("001_A.bmp"), std::string::npos) << message;
    EXPECT_NE(message.find("24-bit"), std::string::npos) << message;
}

TEST(AssetLoader, NamesAWaveOfTheWrongFormatOrLength) {
    Asset_Copy copy("zarvo_assets_wave");
    Sound click;
    click.Rate = 22050;
    click.Bits = 8;
    click.Channels = 1;
    click.Data.assign(22050 / 10, 128);  // 100 ms instead of 460
    ASSERT_TRUE(Write_Wav((copy.dir / "DXWaveList1" / "008_Click.wav").string(), click));
    std::string message = copy.load_message();
    EXPECT_NE(message.find("008_Click.wav"), std::string::npos) << message;
    EXPECT_NE(message.find("100 ms"), std::string::npos) << message;
    std::ofstream(copy.dir / "DXWaveList1" / "008_Click.wav", std::ios::binary) << "not a wave";
    message = copy.load_message();
    EXPECT_NE(message.find("RIFF"), std::string::npos) << message;
}

TEST(AssetLoader, KnowsTheFolderOfTheRunningProgram) {
    const fs::path folder = Program_Folder(nullptr);
    EXPECT_TRUE(fs::exists(folder / "assets_test")) << folder;
}

// Running the generator twice with one seed gives the same bytes; another seed another art.
TEST(AssetGenerator, SameSeedSameBytes) {
    const fs::path generator = fs::path(ZARVO_ASSETGEN);
    // Folders of this process alone, so that runs side by side do not meet.
    const std::string own = "zarvo_gen_" + std::to_string(::getpid()) + "_";
    const fs::path a = fs::temp_directory_path() / (own + "a");
    const fs::path b = fs::temp_directory_path() / (own + "b");
    const fs::path c = fs::temp_directory_path() / (own + "c");
    for (const fs::path& dir : {a, b, c}) fs::remove_all(dir);
    ASSERT_EQ(std::system((generator.string() + " " + a.string() + " --seed 7").c_str()), 0);
    ASSERT_EQ(std::system((generator.string() + " " + b.string() + " --seed 7").c_str()), 0);
    ASSERT_EQ(std::system((generator.string() + " " + c.string() + " --seed 8").c_str()), 0);
    int files = 0, differ_with_other_seed = 0;
    for (const auto& entry : fs::recursive_directory_iterator(a)) {
        if (!entry.is_regular_file()) continue;
        const fs::path rel = fs::relative(entry.path(), a);
        const std::string bytes = Read_File(entry.path());
        EXPECT_EQ(bytes, Read_File(b / rel)) << rel;
        differ_with_other_seed += bytes != Read_File(c / rel);
        ++files;
    }
    EXPECT_EQ(files, 114 + 133 + 41 + 65 + 18);
    EXPECT_GT(differ_with_other_seed, 50);
    for (const fs::path& dir : {a, b, c}) fs::remove_all(dir);
}

// The browser page paints its pictures in memory at start instead of loading files: it must
// get exactly what the game loads from the generated folder.
TEST(AssetGenerator, InMemoryAssetsEqualTheLoadedFiles) {
    const Assets made = assetgen::Generate_Assets();
    const Assets& loaded = *test::Test_Assets();
    ASSERT_EQ(made.Lists.size(), loaded.Lists.size());
    for (size_t list = 0; list < made.Lists.size(); ++list) {
        ASSERT_EQ(made.Lists[list].size(), loaded.Lists[list].size());
        for (size_t i = 0; i < made.Lists[list].size(); ++i) {
            const Image &a = made.Lists[list][i], &b = loaded.Lists[list][i];
            EXPECT_EQ(a.Width, b.Width) << "list " << list << " item " << i;
            EXPECT_EQ(a.Height, b.Height) << "list " << list << " item " << i;
            EXPECT_EQ(a.Key, b.Key) << "list " << list << " item " << i;
            EXPECT_EQ(a.Pixels, b.Pixels) << "list " << list << " item " << i;
        }
    }
    ASSERT_EQ(made.Waves.size(), loaded.Waves.size());
    for (size_t i = 0; i < made.Waves.size(); ++i) {
        const Sound &a = made.Waves[i], &b = loaded.Waves[i];
        EXPECT_EQ(a.Rate, b.Rate) << "wave " << i;
        EXPECT_EQ(a.Bits, b.Bits) << "wave " << i;
        EXPECT_EQ(a.Channels, b.Channels) << "wave " << i;
        EXPECT_EQ(a.Data, b.Data) << "wave " << i;
    }
}

// An image carries its list, so a draw cannot name one list's image from another list, and a
// bare number is no image.
static_assert(std::is_convertible_v<Img1_Id, Image_Id>);
static_assert(!std::is_convertible_v<Img1_Id, Img2_Id>);
static_assert(!std::is_convertible_v<int, Image_Id>);
static_assert(!std::is_convertible_v<int, Ex_Id>);

}  // namespace
}  // namespace zarvo
