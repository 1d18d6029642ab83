#include "player/star_shot.h"

namespace zarvo {

void Show_Star_Indicator(Game&) {}
void Launch_Star_Shot(Game&) {}
void Show_Ego_Shoot(Game&) {}
void Clear_Star_Shots(Game&) {}
void Remove_Shot_At(Game&, int, int) {}

}  // namespace zarvo
