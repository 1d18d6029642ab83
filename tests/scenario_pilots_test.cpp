// A level with pilots and monsters played from a fixed seed with scripted input: the pilots
// bomb, the monsters hatch and run, the same script replays to the same World, and a counting
// operator new shows that the frames allocate nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "support/allocations.h"
#include "support/test_game.h"

namespace zarvo {
namespace {

using test::Test_Game;

struct Tally {
    int bombs = 0;
    int hatched = 0;
    int most_out = 0;
    int highest_pilot = 0;
    long allocations = 0;  // made while the frames ran
};

// Walks the figure along the edge and fires now and then.
void Script_Frame(Test_Game& t, int frame) {
    const int leg = frame / 90 % 4;
    t.hold(leg == 0, leg == 2, leg == 1, leg == 3);
    if (frame % 45 == 0) t.key(Key_Code::Space);
}

void Count_Frame(const World& before, const World& after, Tally& tally) {
    int out = 0;
    for (int i = 1; i <= Monster_Count; ++i) {
        const Monster_Rec& m = after.pilots.Monster_Table[i];
        out += m.Active;
        if (m.Active && !before.pilots.Monster_Table[i].Active) ++tally.hatched;
    }
    tally.most_out = std::max(tally.most_out, out);
    for (int s = 1; s <= Roster_Slots; ++s) {
        const Pilot_Rec& p = after.pilots.Pilot_Table[s];
        if (p.Bombing && !before.pilots.Pilot_Table[s].Bombing) ++tally.bombs;
        tally.highest_pilot = std::max(tally.highest_pilot, p.Height);
    }
}

// Difficulty 1, level 4: two pilots, monsters on, a Blaster to hatch them.
void Open_Level(Test_Game& t) {
    t.s().Level = 4;
    t.start_game();
}

Tally Play(Test_Game& t, int frames, int first_frame = 0) {
    Tally tally;
    auto before = std::make_unique<World>();
    for (int frame = first_frame; frame < first_frame + frames; ++frame) {
        *before = t.w();
        Script_Frame(t, frame);
        const long allocated = test::Allocations_So_Far();
        t.run(1);
        tally.allocations += test::Allocations_So_Far() - allocated;
        Count_Frame(*before, t.w(), tally);
    }
    return tally;
}

TEST(ScenarioPilots, PilotsBombAndMonstersRunAndTheRunReplays) {
    Test_Game first(2026, false);
    Open_Level(first);
    const Tally tally = Play(first, 900);
    const World& w = first.w();
    int pilots = 0;
    for (int s = 1; s <= Roster_Slots; ++s) pilots += w.level.Pilot_Type[s] == 1;
    EXPECT_EQ(pilots, 2);
    EXPECT_GE(tally.bombs, 2);
    EXPECT_GE(tally.hatched, 3);
    EXPECT_LE(tally.most_out, Monster_Count);
    EXPECT_GT(tally.highest_pilot, 0);  // a pilot crossed a ground enemy or a hazard
    // Monsters that are out stand on the arena.
    for (int i = 1; i <= Monster_Count; ++i) {
        const Monster_Rec& m = w.pilots.Monster_Table[i];
        if (!m.Active || m.Exploding) continue;
        EXPECT_GE(m.Col, 1);
        EXPECT_LE(m.Col, Arena_Cols);
        EXPECT_GE(m.Row, 1);
        EXPECT_LE(m.Row, Arena_Rows);
    }

    Test_Game again(2026, false);
    Open_Level(again);
    Play(again, 900);
    EXPECT_TRUE(again.w() == first.w());
    EXPECT_EQ(again.media.waves.size(), first.media.waves.size());
}

TEST(ScenarioPilots, FramesWithBombsAndMonstersAllocateNothing) {
    Test_Game t(99, false);
    t.media.waves.reserve(1 << 16);
    Open_Level(t);
    Play(t, 300);
    const Tally tally = Play(t, 600, 300);
    EXPECT_EQ(tally.allocations, 0);
    EXPECT_GE(tally.bombs, 1);
    EXPECT_GE(tally.hatched, 1);
}

}  // namespace
}  // namespace zarvo
