#include "screens/panel.h"

namespace zarvo {

void Show_Panel(Game&) {}
void Show_Text(Game&, const char*, int, int) {}
void Start_Message_Explose(Game&, int, int) {}
void Show_Message_Explose(Game&) {}

}  // namespace zarvo
