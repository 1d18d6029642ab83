#include "platform/headless/headless_media.h"

namespace zarvo {

void Headless_Media::Confine_Pointer(int left, int top, int right, int bottom) {
    clip = {true, left, top, right, bottom};
    Clamp_Pointer(pointer_x, pointer_y);
}

void Headless_Media::Place_Pointer(int x, int y) {
    Clamp_Pointer(x, y);
    pointer_x = x, pointer_y = y;
}

}  // namespace zarvo
