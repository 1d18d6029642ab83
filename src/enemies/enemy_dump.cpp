#include "shell/dump.h"

namespace zarvo {

void Dump_Enemies(const World&, Json_Writer&) {}

}  // namespace zarvo
