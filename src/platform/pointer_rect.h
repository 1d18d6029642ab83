#pragma once
// The rectangle the pointer is confined to, in game pixels, and the clamp a window system
// applies to it: the pointer stays inside the window and reaches left..right-1, top..bottom-1.
#include <algorithm>
#include <cstdint>

namespace zarvo {

struct Pointer_Rect {
    bool Confined = false;
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;

    // Keeps (x, y) inside a window of width x height pixels and the rectangle.
    void Clamp(int& x, int& y, int width, int height) const {
        x = std::clamp(x, 0, width - 1);
        y = std::clamp(y, 0, height - 1);
        if (!Confined) return;
        x = std::clamp(x, Left, std::max(Left, Right - 1));
        y = std::clamp(y, Top, std::max(Top, Bottom - 1));
    }
};

}  // namespace zarvo
