#pragma once
// Our own 32-bit software surface and the two draw operations on it. Pixels are 0x00RRGGBB.
// Both draws are pure functions of surface and image, the same in every backend.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zarvo {

// Pixels Left..Right-1 of rows Top..Bottom-1.
struct Pixel_Rect {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool Empty() const { return Left >= Right || Top >= Bottom; }
    bool Contains(const Pixel_Rect& r) const {
        return Left <= r.Left && Top <= r.Top && r.Right <= Right && r.Bottom <= Bottom;
    }
    Pixel_Rect Within(const Pixel_Rect& r) const {  // the part also inside r
        return {std::max(Left, r.Left), std::max(Top, r.Top), std::min(Right, r.Right),
                std::min(Bottom, r.Bottom)};
    }
    bool operator==(const Pixel_Rect&) const = default;
};

struct Image {
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t Key = -1;              // colour key as 0xRRGGBB, or -1 when opaque
    std::vector<uint32_t> Pixels;  // Width * Height, row by row
    bool Loaded() const { return Width > 0 && Height > 0; }
    uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

struct Surface {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint32_t> Pixels;

    Surface() = default;
    Surface(int32_t w, int32_t h) : Width(w), Height(h), Pixels(static_cast<size_t>(w) * h, 0) {}
    uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
    Pixel_Rect Whole() const { return {0, 0, Width, Height}; }
    void Fill(uint32_t colour);
    void Fill_Rect(const Pixel_Rect& r, uint32_t colour);
    // Fills rows top..bottom-1.
    void Fill_Rows(int top, int bottom, uint32_t colour);
};

// Draws frame `frame` of the image with its top-left corner at (x, y). Nothing is drawn for an
// image that is not loaded, a frame other than 0, or x or y beyond the surface; otherwise the
// rectangle is clipped on all four sides and copied, skipping colour-keyed pixels.
void Draw_Image(Surface& s, const Image& img, int x, int y, int frame = 0);
// The same, drawing only the pixels inside `clip` (which lies within the surface): drawn piece
// by piece, an image comes out exactly as drawn whole.
void Draw_Image(Surface& s, const Image& img, int x, int y, const Pixel_Rect& clip);
// The pixels of the surface a plain draw at (x, y) touches.
Pixel_Rect Image_Bounds(const Surface& s, const Image& img, int x, int y);

// Draws the image scaled to width x height and rotated by angle (256ths of a turn, clockwise on
// screen), so that the point (center_x * width, center_y * height) lands on (x, y). Nearest
// neighbour by 16.16 stepping through the source; colour key honoured; clipped to the surface.
void Draw_Image_Rotated(Surface& s, const Image& img, int x, int y, int width, int height,
                        int frame, double center_x, double center_y, int angle);
// The pixels of the turned picture that fall inside `area` (within the surface), and the
// pixels of the surface a turned draw may touch.
struct Turn {
    int Width = 0, Height = 0;
    double Center_X = 0, Center_Y = 0;
    int Angle = 0;
    bool operator==(const Turn&) const = default;
};
void Draw_Image_Rotated(Surface& s, const Image& img, int x, int y, const Turn& t,
                        const Pixel_Rect& area);
Pixel_Rect Turned_Bounds(const Surface& s, const Image& img, int x, int y, const Turn& t);

// The 256-entry cosine table in 16.16 fixed point; the sine of i is entry (i + 192) mod 256.
int32_t Cos_Table(int i);
int32_t Sin_Table(int i);

}  // namespace zarvo
