#pragma once
// The state dump of the headless runner: one JSON object with the game's state under its own
// names. Each subsystem writes its own part through a Dump_* routine.
#include <string>

#include "arena/arena_dump.h"
#include "effects/effect_dump.h"
#include "enemies/enemy_dump.h"
#include "hazards/hazard_dump.h"
#include "pilots/pilot_dump.h"
#include "platform/json_writer.h"
#include "player/player_dump.h"
#include "screens/screen_dump.h"
#include "state/world.h"

namespace zarvo {

// The whole dump; sources, when given, is told where every value was read from.
std::string Dump_World(const World& w, Json_Sources* sources = nullptr);

// The driver's own part: the frame counter and the game flags.
void Dump_Game_Flags(const World& w, Json_Writer& j);

}  // namespace zarvo
