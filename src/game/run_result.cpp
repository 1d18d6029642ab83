#include "game/run_result.h"

#include "game/dump.h"
#include "platform/fnv1a.h"

namespace zarvo {

void Observe_Run(Run_Result& r, const World& w) {
    const Game_State& s = w.game;
    if (s.Score > 0) r.Score = s.Score;
    if (s.Playing && !s.Game_Over) r.Game_Difficulty = s.Difficulty;
    if (s.Playing && !s.Game_Over &&
        (s.Difficulty > r.Difficulty || (s.Difficulty == r.Difficulty && s.Level > r.Level)))
        r.Difficulty = s.Difficulty, r.Level = s.Level;
    r.Immortal = r.Immortal || s.Immortal_Code;
    r.Fire = r.Fire || s.Fire_Code;
}

uint64_t Digest_World(const World& w) {
    return Fnv1a(Dump_World(w));
}

}  // namespace zarvo
