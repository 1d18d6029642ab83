#pragma once
// The energy store's and effects' part of the state dump.
#include "platform/json_writer.h"
#include "state/world.h"

namespace zarvo {

void Dump_Effects(const World& w, Json_Writer& j);

}  // namespace zarvo
