// Bomb chains: where they start, how far they creep, how long they live and whom they hurt.
#include "weapon_test_support.h"

namespace zarvo::test {
namespace {

void Run_Chains(Weapon_World& t, int type, int frames) {
    for (int i = 0; i < frames; ++i) Bomb_Chains(t.g, type);
}

TEST(BombChain, CreepsOneCellPerFrameToTheEdgeInEachDirection) {
    struct Case {
        int angle, col, row, chain, length, head_col, head_row;
    };
    // An Expander lays its chain ahead of its body.
    const Case cases[] = {
        {0, 10, 8, Chain::Up, 7, 11, 1},
        {128, 10, 8, Chain::Down, 14, 11, 24},
        {192, 10, 8, Chain::Left, 9, 1, 9},
        {64, 30, 10, Chain::Right, 4, 36, 11},  // from column 30 it ends in column 36
    };
    for (const Case& c : cases) {
        Weapon_World t;
        const Enimy_Rec& e = t.place(3, Enemy::Expander, c.col, c.row, c.angle);
        Start_Chain(t.g, 3);
        const Bomb_Chain& chain = t.weapons(3).Chains[c.chain];
        ASSERT_EQ(chain.Chain_On, 1) << c.chain;
        Run_Chains(t, Enemy::Expander, 1);
        EXPECT_EQ(chain.Chain_Len, 1);
        Run_Chains(t, Enemy::Expander, c.length + 5);
        EXPECT_EQ(chain.Chain_Len, c.length) << c.chain;
        EXPECT_EQ(chain.Chain_Max, c.length);
        EXPECT_EQ(chain.Seg[1].Seg_Col, c.head_col) << c.chain;
        EXPECT_EQ(chain.Seg[1].Seg_Row, c.head_row) << c.chain;
        // Segment 1 is the newest, the last segment the first cell outside the block.
        const Chain_Segment& first = chain.Seg[chain.Chain_Len];
        if (c.chain == Chain::Up) {
            EXPECT_EQ(first.Seg_Y, e.Y - 22);
        }
        if (c.chain == Chain::Right) {
            EXPECT_EQ(first.Seg_Col, e.Col + 3);
        }
    }
}

TEST(BombChain, DiesThirteenFramesAfterItsLastGrowth) {
    Weapon_World t;
    t.place(1, Enemy::Expander, 10, 8, 0);
    Start_Chain(t.g, 1);
    const Bomb_Chain& chain = t.weapons(1).Chains[Chain::Up];
    Run_Chains(t, Enemy::Expander, 7);  // the head reaches the edge row
    ASSERT_EQ(chain.Seg[1].Seg_Row, 1);
    Run_Chains(t, Enemy::Expander, 12);
    EXPECT_EQ(chain.Chain_On, 1);
    EXPECT_FALSE(chain.Seg[7].Seg_On);  // the oldest segments have burnt out
    Run_Chains(t, Enemy::Expander, 1);
    EXPECT_EQ(chain.Chain_On, 0);
    // Thirteen explosion frames for each of the seven cells.
    EXPECT_EQ(t.media.count(Image_List::List_2, Img2::Bomb_Ex_1), 7);
    EXPECT_EQ(t.media.count(Image_List::List_2, Img2::Bomb_Ex_13), 7);
    EXPECT_EQ(t.media.count(Image_List::List_2, Img2::Bomb_Ex_14), 0);
    // Dead, it may be laid again.
    Start_Chain(t.g, 1);
    EXPECT_EQ(chain.Chain_On, 1);
    EXPECT_EQ(chain.Chain_Len, 0);
}

TEST(BombChain, HurtsInABandThreeCellsWideEvenWhereBurntOut) {
    Weapon_World t;
    t.place(1, Enemy::Spider, 10, 8, 0);  // up chain in column 11
    Start_Chain(t.g, 1);
    Run_Chains(t, Enemy::Spider, 3);  // cells in rows 7, 6, 5
    for (int col : {10, 11, 12}) {
        t.player_at(col, 6);
        Run_Chains(t, Enemy::Spider, 1);
        EXPECT_TRUE(t.hit()) << col;
    }
    for (int col : {9, 13}) {
        t.player_at(col, 6);
        Run_Chains(t, Enemy::Spider, 1);
        EXPECT_FALSE(t.hit()) << col;
    }
    t.player_at(11, 0);  // beyond the head
    Run_Chains(t, Enemy::Spider, 1);
    EXPECT_FALSE(t.hit());
    // The first cell's explosion is long over, yet it still hurts while the head burns.
    Run_Chains(t, Enemy::Spider, 5);
    ASSERT_FALSE(t.weapons(1).Chains[Chain::Up].Seg[7].Seg_On);
    ASSERT_EQ(t.weapons(1).Chains[Chain::Up].Chain_On, 1);
    t.player_at(12, 7);
    Run_Chains(t, Enemy::Spider, 1);
    EXPECT_TRUE(t.hit());

    // A horizontal chain hurts one row above and below.
    Weapon_World h;
    h.place(1, Enemy::Sub, 10, 8, 64);  // right chain in row 9
    Start_Chain(h.g, 1);
    Run_Chains(h, Enemy::Sub, 3);
    h.player_at(14, 10);
    Run_Chains(h, Enemy::Sub, 1);
    EXPECT_TRUE(h.hit());
    h.player_at(14, 11);
    Run_Chains(h, Enemy::Sub, 1);
    EXPECT_FALSE(h.hit());
}

TEST(BombChain, EachTypeLaysItsChainWhereItsFacingSays) {
    Weapon_World t;
    t.place(1, Enemy::Tank, 5, 5, 64).Turret_Angle = 0;  // behind the turret: down
    t.place(2, Enemy::Boxer, 15, 5, 64);                 // behind the body: left
    t.place(3, Enemy::Spider, 25, 5, 64);                // ahead: right
    t.place(4, Enemy::Orbiter, 5, 15);
    for (int slot = 1; slot <= 4; ++slot) Start_Chain(t.g, slot);
    Start_Chains_All(t.g, 4);
    auto on = [&](int slot, int k) { return t.weapons(slot).Chains[k].Chain_On == 1; };
    EXPECT_TRUE(on(1, Chain::Down));
    EXPECT_FALSE(on(1, Chain::Up) || on(1, Chain::Left) || on(1, Chain::Right));
    EXPECT_TRUE(on(2, Chain::Left));
    EXPECT_FALSE(on(2, Chain::Right));
    EXPECT_TRUE(on(3, Chain::Right));
    for (int k = 1; k <= 4; ++k) EXPECT_TRUE(on(4, k));
    const Enimy_Rec& b = t.enemy(2);
    const Chain_Segment& head = t.weapons(2).Chains[Chain::Left].Seg[1];
    EXPECT_EQ(head.Seg_X, b.X - 12);
    EXPECT_EQ(head.Seg_Y, b.Y + 6);
    EXPECT_EQ(head.Seg_Col, b.Col);
    EXPECT_EQ(head.Seg_Row, b.Row + 1);

    // A turret between two quarters lays nothing; an alive chain is not restarted.
    t.enemy(1).Turret_Angle = 32;
    Start_Chain(t.g, 1);
    EXPECT_FALSE(on(1, Chain::Up) || on(1, Chain::Left) || on(1, Chain::Right));
    Run_Chains(t, Enemy::Spider, 2);
    Start_Chain(t.g, 3);
    EXPECT_EQ(t.weapons(3).Chains[Chain::Right].Chain_Len, 2);
}

TEST(BombChain, FollowsItsEnemyAndKeepsOnAfterItDies) {
    // The enemy walks towards the edge its chain creeps to: the chain stops early.
    Weapon_World t;
    Enimy_Rec& e = t.place(1, Enemy::Expander, 10, 8, 128);  // down chain, room 14
    Start_Chain(t.g, 1);
    Run_Chains(t, Enemy::Expander, 3);
    e.Row = 17, e.Y = Cell_Y(17);  // room 5
    Run_Chains(t, Enemy::Expander, 10);
    EXPECT_EQ(t.weapons(1).Chains[Chain::Down].Chain_Len, 5);

    // A dead enemy's chain creeps on to the edge.
    Weapon_World d;
    d.place(1, Enemy::Tank, 10, 8, 0);  // down
    Start_Chain(d.g, 1);
    d.enemy(1).Active = false;
    d.enemy(1).Exploding = true;
    Run_Chains(d, Enemy::Tank, 14);
    EXPECT_EQ(d.weapons(1).Chains[Chain::Down].Seg[1].Seg_Row, 24);
}

TEST(BombChain, WithNoRoomItWaitsAliveAndNeverLeavesTheArena) {
    // Standing on the edge row it faces, the chain has no room: nothing drawn, the head does
    // not age, and it blocks a new chain that way.
    Weapon_World t;
    Enimy_Rec& e = t.place(1, Enemy::Expander, 10, 22, 128);
    Start_Chain(t.g, 1);
    const Bomb_Chain& chain = t.weapons(1).Chains[Chain::Down];
    Run_Chains(t, Enemy::Expander, 30);
    EXPECT_EQ(chain.Chain_On, 1);
    EXPECT_EQ(chain.Chain_Max, 0);
    EXPECT_EQ(chain.Seg[1].Seg_Frame, Img2::Bomb_Ex_1);
    EXPECT_TRUE(t.media.drawn.empty());
    // Given room, it would grow from its start cell on the edge row out of the arena: it ends.
    e.Row = 18, e.Y = Cell_Y(18);
    Run_Chains(t, Enemy::Expander, 1);
    EXPECT_EQ(chain.Chain_On, 0);
    EXPECT_EQ(chain.Chain_Len, 0);

    // An enemy walking away from the edge while its chain grows towards it: the chain stops
    // at the arena's last row instead of creeping over the panel.
    Weapon_World w;
    Enimy_Rec& f = w.place(1, Enemy::Expander, 10, 14, 128);
    Start_Chain(w.g, 1);
    const World before = w.w();
    for (int i = 0; i < 30; ++i) {
        if (i % 2 == 0 && f.Row > 3) f.Row -= 1, f.Y -= 16;
        Run_Chains(w, Enemy::Expander, 1);
        for (int s = 1; s <= w.weapons(1).Chains[Chain::Down].Chain_Len; ++s)
            ASSERT_LE(w.weapons(1).Chains[Chain::Down].Seg[s].Seg_Row, Arena_Rows);
    }
    Expect_Rest_Unchanged(before, w.w(), 1);
}

TEST(BombChain, ChainsOfEnemiesAtTheBordersStayInsideTheirTables) {
    Weapon_World t;
    // The first and the last slot, standing as far out as a block can, all four chains.
    t.place(1, Enemy::Orbiter, 1, 1);
    t.place(11, Enemy::Orbiter, 34, 22);
    const World before = t.w();
    Start_Chains_All(t.g, 1);
    Start_Chains_All(t.g, 11);
    Run_Chains(t, Enemy::Orbiter, 60);
    for (int slot : {1, 11})
        for (int k = 1; k <= Chain::Count; ++k) {
            const Bomb_Chain& c = t.weapons(slot).Chains[k];
            EXPECT_LE(c.Chain_Len, Chain::Segments);
            for (int s = 1; s <= c.Chain_Len; ++s)
                EXPECT_TRUE(Inside_Arena_For_Test(c.Seg[s].Seg_Col, c.Seg[s].Seg_Row));
        }
    World after = t.w();
    after.enemies.Enimy_Table[11] = before.enemies.Enimy_Table[11];
    Expect_Rest_Unchanged(before, after, 1);
}

}  // namespace
}  // namespace zarvo::test
