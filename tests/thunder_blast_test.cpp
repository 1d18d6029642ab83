// The thunder blast: its deadly cells, its timing, its images and its one-frame hiccup.
#include "support/weapon_world.h"

namespace zarvo::test {
namespace {

void Blast(Weapon_World& t, int type, int frames = 1) {
    for (int i = 0; i < frames; ++i) Thunder_Blast(t.g, type);
}

TEST(ThunderBlast, HitsOnItsFirstTickBeforeAnythingIsDrawn) {
    Weapon_World t;
    Enimy_Rec& e = t.place(1, Enemy::Tank, 10, 10, 0);  // facing up: blasts left and right
    t.player_at(e.Col + 4, e.Row + 1);
    Trigger_Thunder_Blast(t.g, 1);
    Blast(t, Enemy::Tank);
    EXPECT_TRUE(t.hit());
    EXPECT_TRUE(t.media.draws.empty());
    EXPECT_EQ(t.media.waves_of(Wave::Laser), 1);
    Blast(t, Enemy::Tank);
    EXPECT_TRUE(t.hit());
    EXPECT_EQ(t.media.count(Img2::Blast_Thunder_Right_1), 1);
    EXPECT_EQ(t.media.count(Img2::Blast_Thunder_Left_1), 1);
    EXPECT_EQ(t.media.draws.size(), 2u);
    EXPECT_EQ(t.media.waves_of(Wave::Laser), 1);
}

TEST(ThunderBlast, EachBlastingSideHasFourDeadlyCellsInLineWithTheBlock) {
    struct Case {
        int type, angle;
        const char* sides;  // r l u d
    };
    const Case cases[] = {
        {Enemy::Orbiter, 0, "rlud"}, {Enemy::Clipper, 0, "rlud"}, {Enemy::Spider, 0, "d"},
        {Enemy::Spider, 64, "l"},    {Enemy::Spider, 192, "r"},   {Enemy::Boxer, 0, "ud"},
        {Enemy::Boxer, 64, "rl"},    {Enemy::Sub, 128, "rl"},     {Enemy::Expander, 192, "ud"},
        {Enemy::Tank, 32, ""},
    };
    for (const Case& c : cases) {
        Weapon_World t;
        t.place(2, c.type, 10, 10, c.angle);  // block 10..12 x 10..12
        Trigger_Thunder_Blast(t.g, 2);
        auto deadly = [&](int col, int row) {
            t.player_at(col, row);
            Blast(t, c.type);
            return t.hit();
        };
        const std::string sides = c.sides;
        for (int n = 1; n <= 4; ++n) {
            EXPECT_EQ(deadly(12 + n, 11), sides.find('r') != std::string::npos) << c.type << n;
            EXPECT_EQ(deadly(10 - n, 11), sides.find('l') != std::string::npos) << c.type << n;
            EXPECT_EQ(deadly(11, 10 - n), sides.find('u') != std::string::npos) << c.type << n;
            EXPECT_EQ(deadly(11, 12 + n), sides.find('d') != std::string::npos) << c.type << n;
        }
        // The fifth cell, the cells beside the line and the block itself are safe.
        for (auto [col, row] : {std::pair{17, 11}, {5, 11}, {11, 5}, {11, 17}, {14, 10}, {11, 11}})
            EXPECT_FALSE(deadly(col, row)) << col << "," << row;
    }
}

TEST(ThunderBlast, GrowsThroughSevenImagesAndShrinksBack) {
    Weapon_World t;
    const Enimy_Rec& e = t.place(1, Enemy::Tank, 10, 10, 64);  // blasts up and down
    Trigger_Thunder_Blast(t.g, 1);
    for (int tick = 1; tick <= 28; ++tick) {
        t.media.draws.clear();
        Blast(t, Enemy::Tank);
        const int k = tick <= 15 ? tick / 2 : 14 - tick / 2;  // 1..7..1 over ticks 2..27
        if (tick == 1 || tick == 28) {
            EXPECT_TRUE(t.media.draws.empty()) << tick;
            continue;
        }
        ASSERT_EQ(t.media.draws.size(), 2u) << tick;
        EXPECT_EQ(t.media.draws[0].index, Img2::Blast_Thunder_Up_1 + k - 1) << tick;
        const Draw_Call down = t.media.draws[1];
        EXPECT_EQ(down.y, e.Y + 16);
        if (k == 4) {
            EXPECT_EQ(down.x, e.X + (tick < 20 ? 5 : 3)) << tick;
        }
    }
    EXPECT_FALSE(e.Blast_On);
}

TEST(ThunderBlast, AnEndingBlastHoldsBackLaterSlotsOfItsTypeForOneFrame) {
    Weapon_World t;
    Enimy_Rec& first = t.place(2, Enemy::Spider, 5, 5);
    Enimy_Rec& second = t.place(5, Enemy::Spider, 20, 5);
    Enimy_Rec& other = t.place(7, Enemy::Sub, 20, 15);
    first.Blast_On = second.Blast_On = other.Blast_On = true;
    first.Blast_Tick = 27, second.Blast_Tick = 9;
    Blast(t, Enemy::Spider);
    EXPECT_FALSE(first.Blast_On);
    EXPECT_EQ(second.Blast_Tick, 9);  // skipped this frame
    Blast(t, Enemy::Sub);
    EXPECT_EQ(other.Blast_Tick, 1);  // other types are not held back
    Blast(t, Enemy::Spider);
    EXPECT_EQ(second.Blast_Tick, 10);
}

TEST(ThunderBlast, RestartsWhenTriggeredAgainAndOutlivesItsEnemy) {
    Weapon_World t;
    Enimy_Rec& e = t.place(1, Enemy::Clipper, 1, 1);  // at the border: looks past the arena
    const World before = t.w();
    Trigger_Thunder_Blast(t.g, 1);
    Blast(t, Enemy::Clipper, 10);
    Trigger_Thunder_Blast(t.g, 1);
    Blast(t, Enemy::Clipper);
    EXPECT_EQ(e.Blast_Tick, 1);
    EXPECT_EQ(t.media.waves_of(Wave::Laser), 2);
    e.Active = false;  // the enemy dies; its blast runs to its end and still hurts
    t.player_at(5, 2);
    Blast(t, Enemy::Clipper, 20);
    EXPECT_TRUE(t.hit());
    Blast(t, Enemy::Clipper, 7);
    EXPECT_FALSE(e.Blast_On);
    World after = t.w();
    after.enemies.Enimy_Table[1].Active = true;
    after.player = before.player;
    Expect_Rest_Unchanged(before, after, 1);
}

}  // namespace
}  // namespace zarvo::test
