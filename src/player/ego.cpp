#include "player/ego.h"

namespace zarvo {

void Call_Ego_Input(Game&) {}
void Show_Ego(Game&) {}
void Ego_Start_New_Level(Game&) {}

}  // namespace zarvo
