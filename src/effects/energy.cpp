#include "effects/energy.h"

namespace zarvo {

void Reset_Energy(Game&) {}
void Show_Energy(Game&) {}
void Show_Bump_Stars(Game&) {}

}  // namespace zarvo
