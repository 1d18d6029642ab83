#pragma once
// The enemies' and hazards' parts of the state dump.
#include "platform/json_writer.h"
#include "state/world.h"

namespace zarvo {

void Dump_Enemies(const World& w, Json_Writer& j);
void Dump_Hazards(const World& w, Json_Writer& j);

}  // namespace zarvo
