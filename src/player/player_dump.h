#pragma once
// The player's part of the state dump.
#include "platform/json_writer.h"
#include "state/world.h"

namespace zarvo {

void Dump_Player(const World& w, Json_Writer& j);

}  // namespace zarvo
