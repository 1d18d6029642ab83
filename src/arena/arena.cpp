#include "arena/arena.h"

namespace zarvo {

void Reset_Arena(Game&) {}
void Show_Fliese(Game&) {}
void Fliese_Mathe(Game&) {}
void Join_Way_Ends(Game&) {}
void Trace_Edge(Game&) {}
void Reverse_Way(Game&) {}
void Kill_All_Point_And_Way(Game&) {}

}  // namespace zarvo
