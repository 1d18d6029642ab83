#pragma once
// The arena's part of the state dump.
#include "platform/json_writer.h"
#include "state/world.h"

namespace zarvo {

void Dump_Arena(const World& w, Json_Writer& j);

}  // namespace zarvo
