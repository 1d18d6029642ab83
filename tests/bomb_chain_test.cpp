// Bomb chains: where they start, how far they creep, how long they live and whom they hurt.
#include "support/weapon_world.h"

namespace zarvo::test {
namespace {

void Run_Chains(Weapon_World& t, int type, int frames) {
    for (int i = 0; i < frames; ++i) Bomb_Chains(t.g, type);
}

TEST(BombChain, CreepsOneCellPerFrameToTheEdge) {
    struct Case {
        int angle, col, row, chain, length, head_col, head_row;
    };
    const Case cases[] = {
        {0, 10, 8, Chain::Up, 7, 11, 1},
        {128, 10, 8, Chain::Down, 14, 11, 24},
        {192, 10, 8, Chain::Left, 9, 1, 9},
        {64, 30, 10, Chain::Right, 4, 36, 11},  // from column 30 it ends in column 36
    };
    for (const Case& c : cases) {
        Weapon_World t;
        t.place(3, Enemy::Expander, c.col, c.row, c.angle);  // lays it ahead of its body
        Start_Chain(t.g, 3);
        const Bomb_Chain& chain = t.weapons(3).Chains[c.chain];
        Run_Chains(t, Enemy::Expander, c.length - 1);
        EXPECT_EQ(chain.Chain_Len, c.length - 1);
        Run_Chains(t, Enemy::Expander, 5);
        EXPECT_EQ(chain.Chain_Len, c.length) << c.chain;
        EXPECT_EQ(chain.Seg[1].Seg_Col, c.head_col) << c.chain;
        EXPECT_EQ(chain.Seg[1].Seg_Row, c.head_row) << c.chain;
    }
}

TEST(BombChain, BurnsThirteenFramesPerCellAndHurtsAThreeWideBandUntilItsHeadIsOut) {
    Weapon_World t;
    t.place(1, Enemy::Spider, 10, 8, 0);  // up chain in column 11, rows 7..1
    Start_Chain(t.g, 1);
    const Bomb_Chain& chain = t.weapons(1).Chains[Chain::Up];
    Run_Chains(t, Enemy::Spider, 3);  // rows 7, 6, 5
    for (int col = 9; col <= 13; ++col) {
        t.player_at(col, 6);
        Run_Chains(t, Enemy::Spider, 1);
        EXPECT_EQ(t.hit(), col >= 10 && col <= 12) << col;
    }
    Run_Chains(t, Enemy::Spider, 6);  // frame 14: the first cell has burnt out
    EXPECT_FALSE(chain.Seg[7].Seg_On);
    t.player_at(12, 7);
    Run_Chains(t, Enemy::Spider, 1);
    EXPECT_TRUE(t.hit());
    Run_Chains(t, Enemy::Spider, 4);  // the head, laid on frame 7, burns through frame 20
    EXPECT_EQ(chain.Chain_On, 1);
    Run_Chains(t, Enemy::Spider, 1);
    EXPECT_EQ(chain.Chain_On, 0);
    EXPECT_EQ(t.media.count(Img2::Bomb_Ex_1), 7);
    EXPECT_EQ(t.media.count(Img2::Bomb_Ex_13), 7);
    EXPECT_EQ(t.media.count(Img2::Bomb_Ex_14), 0);

    Weapon_World h;  // a horizontal chain hurts a row above and below
    h.place(1, Enemy::Sub, 10, 8, 64);
    Start_Chain(h.g, 1);
    h.player_at(14, 10);
    Run_Chains(h, Enemy::Sub, 3);
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
    for (int slot = 1; slot <= 3; ++slot) Start_Chain(t.g, slot);
    Start_Chains_All(t.g, 4);
    auto on = [&](int slot) {
        int mask = 0;
        for (int k = 1; k <= Chain::Count; ++k) mask |= t.weapons(slot).Chains[k].Chain_On << k;
        return mask;
    };
    EXPECT_EQ(on(1), 1 << Chain::Down);
    EXPECT_EQ(on(2), 1 << Chain::Left);
    EXPECT_EQ(on(3), 1 << Chain::Right);
    EXPECT_EQ(on(4), 0b11110);
    const Chain_Segment& head = t.weapons(2).Chains[Chain::Left].Seg[1];
    EXPECT_EQ(head.Seg_X, t.enemy(2).X - 12);
    EXPECT_EQ(head.Seg_Row, t.enemy(2).Row + 1);
    // A chain still alive is not started again.
    Run_Chains(t, Enemy::Spider, 2);
    Start_Chain(t.g, 3);
    EXPECT_EQ(t.weapons(3).Chains[Chain::Right].Chain_Len, 2);
}

TEST(BombChain, FollowsItsEnemyButNeverLeavesTheArena) {
    Weapon_World t;
    Enimy_Rec& e = t.place(1, Enemy::Tank, 10, 8, 0);  // down chain, room for 14
    Start_Chain(t.g, 1);
    Run_Chains(t, Enemy::Tank, 3);
    e.Row = 17, e.Y = Cell_Y(17);  // walked towards the edge: room for 5
    e.Active = false;              // and died; the chain creeps on without it
    Run_Chains(t, Enemy::Tank, 10);
    EXPECT_EQ(t.weapons(1).Chains[Chain::Down].Chain_Len, 5);

    // Standing on the edge row it faces, it has no room: it waits alive and unaged...
    Weapon_World w;
    Enimy_Rec& f = w.place(1, Enemy::Expander, 10, 22, 128);
    Start_Chain(w.g, 1);
    const Bomb_Chain& chain = w.weapons(1).Chains[Chain::Down];
    Run_Chains(w, Enemy::Expander, 30);
    EXPECT_EQ(chain.Chain_On, 1);
    EXPECT_EQ(chain.Seg[1].Seg_Frame, Img2::Bomb_Ex_1);
    EXPECT_TRUE(w.media.draws.empty());
    // ...and given room it would have to grow out of the arena from there: it ends instead.
    f.Row = 18, f.Y = Cell_Y(18);
    Run_Chains(w, Enemy::Expander, 1);
    EXPECT_EQ(chain.Chain_On, 0);

    // Walking away from the edge while the chain grows towards it, the chain stops at the
    // arena's last row instead of creeping over the panel.
    Weapon_World a;
    Enimy_Rec& b = a.place(1, Enemy::Expander, 10, 14, 128);
    Start_Chain(a.g, 1);
    for (int i = 0; i < 30; ++i) {
        if (i % 2 == 0 && b.Row > 3) b.Row -= 1, b.Y -= 16;
        Run_Chains(a, Enemy::Expander, 1);
    }
    const Bomb_Chain& c = a.weapons(1).Chains[Chain::Down];
    EXPECT_EQ(c.Seg[1].Seg_Row, Arena_Rows);
}

TEST(BombChain, ChainsOfEnemiesAtTheBordersStayInsideTheirTables) {
    Weapon_World t;
    t.place(1, Enemy::Orbiter, 1, 1);  // the first and last slots, as far out as can be
    t.place(11, Enemy::Orbiter, 34, 22);
    const World before = t.w();
    Start_Chains_All(t.g, 1);
    Start_Chains_All(t.g, 11);
    Run_Chains(t, Enemy::Orbiter, 60);
    for (int slot : {1, 11})
        for (const Bomb_Chain& c : t.weapons(slot).Chains)
            for (int s = 1; s <= c.Chain_Len; ++s)
                EXPECT_TRUE(In_Arena(c.Seg[s].Seg_Col, c.Seg[s].Seg_Row));
    World after = t.w();
    after.enemies.Enimy_Table[11] = before.enemies.Enimy_Table[11];
    Expect_Rest_Unchanged(before, after, 1);
}

}  // namespace
}  // namespace zarvo::test
