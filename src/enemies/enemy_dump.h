#pragma once
// The enemies' part of the state dump.
#include "platform/json_writer.h"
#include "state/world.h"

namespace zarvo {

void Dump_Enemies(const World& w, Json_Writer& j);

}  // namespace zarvo
