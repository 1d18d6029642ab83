#pragma once
// The World: every piece of game state as one plain value. No pointers, no heap: a World can
// be copied and compared, and a copy continues exactly as the original would.
//
// Units throughout, unless a field says otherwise: X and Y are window pixels of an image's
// top-left corner (the window is 622 x 513); Col and Row are arena cells, 1..36 and 1..24; a
// _Tick, _Timer or _Count of frames counts frames of 24 ms; an Angle is a turn in 256 steps;
// _On and _Active say that something runs or exists; tables counted from 1 leave entry 0
// unused.
#include <cstdint>

#include "state/arena_state.h"
#include "state/effect_state.h"
#include "state/enemy_state.h"
#include "state/game_state.h"
#include "state/hazard_state.h"
#include "state/level_state.h"
#include "state/panel_state.h"
#include "state/pilot_state.h"
#include "state/player_state.h"
#include "state/random.h"
#include "state/screen_state.h"

namespace zarvo {

struct World {
    Game_State game;
    Level_State level;
    Arena_State arena;
    Player_State player;
    Shot_State shots;
    Effect_State effects;
    Enemy_State enemies;
    Pilot_State pilots;
    Hazard_State hazards;
    Panel_State panel;
    Screen_State screens;
    Rng rng;
    // Frames run since start (the headless runner's frame number).
    int32_t Frame_Count = 0;

    int32_t Random(int32_t n) { return rng.Random(n); }
    bool operator==(const World&) const = default;
};

}  // namespace zarvo
