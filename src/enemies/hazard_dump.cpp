#include "shell/dump.h"

namespace zarvo {

void Dump_Hazards(const World&, Json_Writer&) {}

}  // namespace zarvo
