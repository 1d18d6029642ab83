#include "screens/boxes.h"

namespace zarvo {

void Show_Well_Done(Game&) {}
void Show_Game_Over(Game&) {}
void Show_CodeWords(Game&) {}

}  // namespace zarvo
