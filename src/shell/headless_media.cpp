#include "shell/headless_media.h"

#include <algorithm>

#include "state/constants.h"

namespace zarvo {

void Headless_Media::Confine_Pointer(int left, int top, int right, int bottom) {
    confined = true;
    clip_left = left, clip_top = top, clip_right = right, clip_bottom = bottom;
    Clamp_Pointer(pointer_x, pointer_y);
}

void Headless_Media::Place_Pointer(int x, int y) {
    Clamp_Pointer(x, y);
    pointer_x = x, pointer_y = y;
}

void Headless_Media::Clamp_Pointer(int& x, int& y) const {
    x = std::clamp(x, 0, Screen_Width - 1);
    y = std::clamp(y, 0, Screen_Height - 1);
    if (!confined) return;
    x = std::clamp(x, clip_left, std::max(clip_left, clip_right - 1));
    y = std::clamp(y, clip_top, std::max(clip_top, clip_bottom - 1));
}

}  // namespace zarvo
