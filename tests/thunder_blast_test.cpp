// The thunder blast: its deadly cells, its timing, its images and its one-frame hiccup.
#include "weapon_test_support.h"

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
    EXPECT_EQ(e.Blast_Tick, 1);
    EXPECT_TRUE(t.hit());
    EXPECT_TRUE(t.media.drawn.empty());
    EXPECT_EQ(t.media.waves_of(Wave::Laser), 1);
    Blast(t, Enemy::Tank);
    EXPECT_TRUE(t.hit());
    ASSERT_EQ(t.media.drawn.size(), 2u);  // frame 1 of both sides
    EXPECT_EQ(t.media.count(Image_List::List_2, Img2::Blast_Thunder_Right_1), 1);
    EXPECT_EQ(t.media.count(Image_List::List_2, Img2::Blast_Thunder_Left_1), 1);
    EXPECT_EQ(t.media.waves_of(Wave::Laser), 1);
}

TEST(ThunderBlast, EachSideHasFourDeadlyCellsInLineWithTheBlock) {
    Weapon_World t;
    const Enimy_Rec& e = t.place(1, Enemy::Orbiter, 10, 10);  // all four sides
    struct Cell {
        int col, row;
        bool deadly;
    };
    const Cell cells[] = {
        {13, 11, true},  {16, 11, true}, {17, 11, false}, {14, 10, false},
        {14, 12, false}, {9, 11, true},  {6, 11, true},   {5, 11, false},
        {11, 9, true},   {11, 6, true},  {11, 5, false},  {10, 8, false},
        {11, 13, true},  {11, 16, true}, {11, 17, false}, {12, 14, false},
    };
    Trigger_Thunder_Blast(t.g, 1);
    for (const Cell& c : cells) {
        t.player_at(c.col, c.row);
        Blast(t, Enemy::Orbiter);
        EXPECT_EQ(t.hit(), c.deadly) << c.col << "," << c.row << " tick " << e.Blast_Tick;
    }
    // The block itself is none of the blast's business.
    t.player_at(11, 11);
    Blast(t, Enemy::Orbiter);
    EXPECT_FALSE(t.hit());
}

TEST(ThunderBlast, SidesFollowTypeAndAngle) {
    struct Case {
        int type, angle, col, row;  // one deadly cell, relative to the block
        int safe_col, safe_row;     // and one of a side that does not blast
    };
    const Case cases[] = {
        {Enemy::Spider, 0, 1, 3, 1, -1},     // down only
        {Enemy::Spider, 64, -1, 1, 3, 1},    // left only
        {Enemy::Spider, 128, 1, -1, 1, 3},   // up only
        {Enemy::Spider, 192, 3, 1, -1, 1},   // right only
        {Enemy::Boxer, 0, 1, -2, 4, 1},      // up and down
        {Enemy::Boxer, 64, 4, 1, 1, -2},     // left and right
        {Enemy::Sub, 128, -3, 1, 1, 5},      // left and right
        {Enemy::Expander, 192, 1, 6, 6, 1},  // up and down
    };
    for (const Case& c : cases) {
        Weapon_World t;
        t.place(2, c.type, 10, 10, c.angle);
        Trigger_Thunder_Blast(t.g, 2);
        t.player_at(10 + c.col, 10 + c.row);
        Blast(t, c.type);
        EXPECT_TRUE(t.hit()) << c.type << " " << c.angle;
        t.player_at(10 + c.safe_col, 10 + c.safe_row);
        Blast(t, c.type);
        EXPECT_FALSE(t.hit()) << c.type << " " << c.angle;
    }
    // Between two quarters no side blasts.
    Weapon_World t;
    t.place(2, Enemy::Tank, 10, 10, 32);
    Trigger_Thunder_Blast(t.g, 2);
    t.player_at(14, 11);
    Blast(t, Enemy::Tank, 5);
    EXPECT_FALSE(t.hit());
    EXPECT_TRUE(t.media.drawn.empty());
}

TEST(ThunderBlast, GrowsThroughSevenImagesAndShrinksBack) {
    Weapon_World t;
    const Enimy_Rec& e = t.place(1, Enemy::Orbiter, 10, 10);
    Trigger_Thunder_Blast(t.g, 1);
    std::vector<std::vector<Drawn>> frames;
    for (int tick = 1; tick <= 28; ++tick) {
        t.media.drawn.clear();
        Blast(t, Enemy::Orbiter);
        frames.push_back(t.media.drawn);
    }
    auto right_frame = [&](int tick) {
        for (const Drawn& d : frames[tick - 1])
            if (d.index >= Img2::Blast_Thunder_Right_1 && d.index <= Img2::Blast_Thunder_Right_7)
                return d.index - Img2::Blast_Thunder_Right_1 + 1;
        return 0;
    };
    const int expected[29] = {0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7,
                              7, 6, 6, 5, 5, 4, 4, 3, 3, 2, 2, 1, 1, 0};
    for (int tick = 1; tick <= 28; ++tick) EXPECT_EQ(right_frame(tick), expected[tick]) << tick;
    EXPECT_EQ(frames[27].size(), 0u);  // tick 28 ends it
    EXPECT_FALSE(e.Blast_On);
    EXPECT_EQ(e.Blast_Tick, 0);
    // Placement: right at (X + 16, Y - 1); the left frame 6 far out; down frame 4 shifts back.
    auto find = [&](int tick, int index) {
        for (const Drawn& d : frames[tick - 1])
            if (d.index == index) return d;
        return Drawn{Image_List::List_1, -1, 0, 0};
    };
    EXPECT_EQ(find(2, Img2::Blast_Thunder_Right_1).x, e.X + 16);
    EXPECT_EQ(find(2, Img2::Blast_Thunder_Right_1).y, e.Y - 1);
    EXPECT_EQ(find(12, Img2::Blast_Thunder_Left_6).x, e.X - 126);
    EXPECT_EQ(find(12, Img2::Blast_Thunder_Up_6).y, e.Y - 126);
    EXPECT_EQ(find(8, Img2::Blast_Thunder_Down_4).x, e.X + 5);
    EXPECT_EQ(find(20, Img2::Blast_Thunder_Down_4).x, e.X + 3);
    EXPECT_EQ(find(20, Img2::Blast_Thunder_Down_4).y, e.Y + 16);
}

TEST(ThunderBlast, AnEndingBlastHoldsBackLaterSlotsOfItsTypeForOneFrame) {
    Weapon_World t;
    Enimy_Rec& first = t.place(2, Enemy::Spider, 5, 5);
    Enimy_Rec& second = t.place(5, Enemy::Spider, 20, 5);
    Enimy_Rec& other = t.place(7, Enemy::Sub, 20, 15);
    first.Blast_On = second.Blast_On = other.Blast_On = true;
    first.Blast_Tick = 26, second.Blast_Tick = 9;
    Blast(t, Enemy::Spider);
    EXPECT_EQ(first.Blast_Tick, 27);
    EXPECT_EQ(second.Blast_Tick, 10);
    Blast(t, Enemy::Spider);
    EXPECT_FALSE(first.Blast_On);
    EXPECT_EQ(second.Blast_Tick, 10);  // skipped this frame
    Blast(t, Enemy::Sub);
    EXPECT_EQ(other.Blast_Tick, 1);  // other types are not held back
    Blast(t, Enemy::Spider);
    EXPECT_EQ(second.Blast_Tick, 11);
}

TEST(ThunderBlast, RestartsWhenTriggeredAgainAndOutlivesItsEnemy) {
    Weapon_World t;
    Enimy_Rec& e = t.place(1, Enemy::Clipper, 10, 10);
    Trigger_Thunder_Blast(t.g, 1);
    Blast(t, Enemy::Clipper, 10);
    Trigger_Thunder_Blast(t.g, 1);
    Blast(t, Enemy::Clipper);
    EXPECT_EQ(e.Blast_Tick, 1);
    EXPECT_EQ(t.media.waves_of(Wave::Laser), 2);
    // The enemy dies; its blast runs to its end and still hurts.
    e.Active = false;
    e.Dying = true;
    t.player_at(14, 11);
    Blast(t, Enemy::Clipper, 20);
    EXPECT_TRUE(t.hit());
    EXPECT_EQ(e.Blast_Tick, 21);
    Blast(t, Enemy::Clipper, 7);
    EXPECT_FALSE(e.Blast_On);
}

TEST(ThunderBlast, BlastsAtTheArenaBordersTouchNothingElse) {
    Weapon_World t;
    t.place(1, Enemy::Orbiter, 1, 1);
    const World before = t.w();
    Trigger_Thunder_Blast(t.g, 1);
    Blast(t, Enemy::Orbiter, 30);
    Expect_Rest_Unchanged(before, t.w(), 1);
}

}  // namespace
}  // namespace zarvo::test
