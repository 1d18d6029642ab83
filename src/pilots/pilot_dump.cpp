#include "shell/dump.h"

namespace zarvo {

void Dump_Pilots(const World&, Json_Writer&) {}

}  // namespace zarvo
