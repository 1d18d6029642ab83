#include "screens/title.h"

namespace zarvo {

void Show_Sponsor(Game&) {}
void Show_Option(Game&) {}
void Show_Score(Game&) {}

}  // namespace zarvo
