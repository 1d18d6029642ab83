#include "player/sequences.h"

namespace zarvo {

void Show_Ego_Implose(Game&) {}
void Show_Ego_Explose(Game&) {}

}  // namespace zarvo
