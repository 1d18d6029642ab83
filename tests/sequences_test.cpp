// The appearance and death sequences: the crosshair's slide and landing, the spinning figure and
// the shrinking triangle frame for frame, the release of the controls, and the return to the
// save position.
#include <gtest/gtest.h>

#include "player/ego.h"
#include "support/draw_log.h"
#include "support/walker.h"

namespace zarvo::test {
namespace {

struct Sequences : ::testing::Test {
    Test_Game t{1, false};
    Draw_Log_Media media;
    Game g{t.w(), media};
    Player_State& p() { return t.w().player; }
    // One Show_Ego frame; answers its draws.
    std::vector<Draw_Call> Frame() {
        media.draws.clear();
        Show_Ego(g);
        return media.draws;
    }
};

// The crosshair is three images: the vertical line, the horizontal line and the target mark.
void Expect_Crosshair(const std::vector<Draw_Call>& d, size_t at, int x, int y) {
    ASSERT_GE(d.size(), at + 3);
    EXPECT_EQ(d[at].index, Img1::FadenKreuz_Ver);
    EXPECT_EQ(d[at].at(), XY(x, 0));
    EXPECT_EQ(d[at + 1].index, Img1::FadenKreuz_Hor);
    EXPECT_EQ(d[at + 1].at(), XY(0, y));
    EXPECT_EQ(d[at + 2].index, Img1::Target);
    EXPECT_EQ(d[at + 2].at(), XY(x - 11, y - 11));
}

TEST_F(Sequences, AppearanceAtLevelStart) {
    Ego_Start_New_Level(t.g);
    EXPECT_TRUE(Frame().empty());
    EXPECT_EQ(Waves_Played(media, Wave::FadenKreuz), 1);
    EXPECT_TRUE(t.s().Game_Halted);

    // The slide: 8 pixels per axis and frame, the last steps shorter, landing on (588, 201).
    int frames = 0, last_x = 310;
    while (p().Ego_Implose_Tick == 1) {
        t.s().Game_Halted = false;  // the sequence holds the controls itself
        auto d = Frame();
        ++frames;
        EXPECT_TRUE(t.s().Game_Halted);
        ASSERT_EQ(d.size(), 3u);
        EXPECT_LE(d[0].x - last_x, 8);
        last_x = d[0].x;
        EXPECT_LE(d[1].y, 214);
        EXPECT_GE(d[1].y, 201);
        ASSERT_LT(frames, 100);
    }
    EXPECT_EQ(frames, 35);
    EXPECT_EQ(XY(p().Cross_X, p().Cross_Y), XY(588, 201));

    auto warn = Frame();
    EXPECT_EQ(Waves_Played(media, Wave::Warning), 1);
    Expect_Crosshair(warn, 0, 588, 201);

    // Eight more crosshair frames, the last of them with the first spinning figure.
    for (int i = 0; i < 7; ++i) {
        auto d = Frame();
        ASSERT_EQ(d.size(), 3u);
        Expect_Crosshair(d, 0, 588, 201);
    }
    std::vector<Draw_Call> spins;
    for (int i = 0; i < 40 && p().Ego_Implose_On; ++i) {
        auto d = Frame();
        for (const Draw_Call& c : d)
            if (c.rotated) spins.push_back(c);
    }
    ASSERT_EQ(spins.size(), 32u);
    EXPECT_EQ(spins.front().size(), XY(92, 106));
    EXPECT_EQ(spins.front().angle, 132);
    EXPECT_EQ(spins.back().size(), XY(30, 44));
    EXPECT_EQ(spins.back().angle, 0);
    EXPECT_EQ(spins.back().index, Img1::Ego_No);
    EXPECT_EQ(spins.back().at(), XY(573 + 15, 179 + 24));
    // The last frame drew nothing and released the controls.
    EXPECT_TRUE(media.draws.empty());
    EXPECT_FALSE(t.s().Game_Halted);
    EXPECT_FALSE(p().Ego_Hit);
    EXPECT_EQ(p().Ego_Implose_Tick, 0);
}

TEST_F(Sequences, ControlsComeBackOnlyAfterTheSpin) {
    t.s().Sponsor_On = false;
    Ego_Start_New_Level(t.g);
    t.s().Enimy_Count = 1;
    t.hold(false, false, true, false);
    // 1 + 35 (slide) + 1 + 8 + 31 + 1 frames.
    t.run(77);
    EXPECT_FALSE(t.s().Game_Halted);
    EXPECT_EQ(p().Ego_X, 573);
    t.run(1);
    EXPECT_EQ(p().Ego_X, 565);
}

TEST_F(Sequences, DeathWhileCuttingReturnsTheFigureToTheCutStart) {
    Fresh_Arena(t);
    ASSERT_TRUE(Walk(t, "4L3U"));
    ASSERT_TRUE(p().Ego_Cutting);
    t.w().effects.Energy_Count = t.w().effects.Reserve_Count = 0;
    p().Ego_Explose_On = true;
    const int x = p().Ego_X, y = p().Ego_Y;

    auto first = Frame();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].index, Img1::Ego_No_White);
    EXPECT_EQ(first[0].x, x);
    EXPECT_FALSE(p().Ego_Cutting);
    EXPECT_TRUE(t.s().Game_Halted);
    EXPECT_EQ(t.w().arena.Way_Grid(34, 12), No_Code);
    EXPECT_EQ(t.w().arena.Point_Grid(32, 10), No_Code);
    EXPECT_EQ(Waves_Played(media, Wave::FadenKreuz), 1);

    int slide = 0;
    while (p().Ego_Explose_Tick == 1) {
        auto d = Frame();
        ASSERT_EQ(d.size(), 4u);
        EXPECT_EQ(d[0].index, Img1::Ego_No_White);
        ASSERT_LT(++slide, 100);
    }
    EXPECT_EQ(XY(p().Cross_X, p().Cross_Y), XY(x + 15, y + 22));

    auto rocky = Frame();
    EXPECT_EQ(Waves_Played(media, Wave::Rocky), 1);
    Expect_Crosshair(rocky, 1, x + 15, y + 22);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Frame().size(), 4u);

    std::vector<Draw_Call> triangles;
    for (int i = 0; i < 33; ++i) {
        auto d = Frame();
        ASSERT_EQ(d.size(), 2u);
        EXPECT_EQ(d[0].index, Img1::Ego_No_White);
        triangles.push_back(d[1]);
    }
    EXPECT_EQ(triangles.front().index, Img1::Triangel);
    EXPECT_EQ(triangles.front().size(), XY(156, 78));
    EXPECT_EQ(triangles.front().angle, 4);
    EXPECT_EQ(triangles.back().size(), XY(28, 14));
    EXPECT_EQ(triangles.back().angle, 132);
    EXPECT_EQ(triangles.back().at(), XY(x + 15, y + 24));

    // Back to the cut's start cell with a full store; the appearance follows.
    EXPECT_TRUE(Frame().empty());
    EXPECT_FALSE(p().Ego_Explose_On);
    EXPECT_TRUE(p().Ego_Implose_On);
    EXPECT_EQ(p().Ego_Col, 36);
    EXPECT_EQ(p().Ego_Row, 12);
    EXPECT_EQ(p().Ego_X, 573);
    EXPECT_EQ(XY(t.w().effects.Energy_Count, t.w().effects.Reserve_Count), XY(12, 12));
    EXPECT_EQ(t.s().Fliese_Claimed, 0);
    EXPECT_TRUE(Frame().empty());
    EXPECT_EQ(Waves_Played(media, Wave::FadenKreuz), 2);
    while (p().Ego_Implose_Tick == 1) Frame();
    EXPECT_EQ(XY(p().Cross_X, p().Cross_Y), XY(588, 201));
}

}  // namespace
}  // namespace zarvo::test
