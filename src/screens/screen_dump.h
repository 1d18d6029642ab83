#pragma once
// The screens' part of the state dump: the score table, entries and screen flags.
#include "platform/json_writer.h"
#include "state/world.h"

namespace zarvo {

void Dump_Screens(const World& w, Json_Writer& j);

}  // namespace zarvo
