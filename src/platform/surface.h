#pragma once
// Our own 32-bit software surface and the two draw operations on it. Pixels are 0x00RRGGBB.
// Both draws are pure functions of surface and image, the same in every backend.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
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

// Memory a backend lends for a surface's pixels: memory a display server reads as well, so
// that a frame reaches the screen without a copy. It lends one block at a time.
class Pixel_Store {
  public:
    virtual ~Pixel_Store() = default;
    // A block of `bytes`, or null when it has none that large free.
    virtual void* Lend(size_t bytes) = 0;
    // Takes a block back; false when it is not the store's.
    virtual bool Take_Back(void* block) = 0;
};

// Pixels on the heap, or in a store. A copy of them is always on the heap.
template <typename T>
struct Pixel_Allocator {
    using value_type = T;
    // Pixels given to a surface go where its pixels are: only Keep_In moves them elsewhere.
    using propagate_on_container_move_assignment = std::false_type;
    using propagate_on_container_swap = std::true_type;
    using propagate_on_container_copy_assignment = std::false_type;

    Pixel_Allocator() = default;
    explicit Pixel_Allocator(Pixel_Store* store) : Store(store) {}
    template <typename U>
    Pixel_Allocator(const Pixel_Allocator<U>& other) : Store(other.Store) {}

    T* allocate(size_t n) {
        if (void* block = Store ? Store->Lend(n * sizeof(T)) : nullptr)
            return static_cast<T*>(block);
        return std::allocator<T>().allocate(n);
    }
    void deallocate(T* p, size_t n) {
        if (!Store || !Store->Take_Back(p)) std::allocator<T>().deallocate(p, n);
    }
    Pixel_Allocator select_on_container_copy_construction() const { return {}; }
    template <typename U>
    bool operator==(const Pixel_Allocator<U>& other) const {
        return Store == other.Store;
    }

    Pixel_Store* Store = nullptr;
};

using Pixel_Vector = std::vector<uint32_t, Pixel_Allocator<uint32_t>>;

struct Surface {
    int32_t Width = 0;
    int32_t Height = 0;
    Pixel_Vector Pixels;

    Surface() = default;
    Surface(int32_t w, int32_t h) : Width(w), Height(h), Pixels(static_cast<size_t>(w) * h, 0) {}
    uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
    Pixel_Rect Whole() const { return {0, 0, Width, Height}; }
    void Fill(uint32_t colour);
    void Fill_Rect(const Pixel_Rect& r, uint32_t colour);
    // Fills rows top..bottom-1.
    void Fill_Rows(int top, int bottom, uint32_t colour);
    // Moves the pixels into the store's memory (or back onto the heap with null), unchanged.
    void Keep_In(Pixel_Store* store) {
        Pixel_Vector moved(Pixels.begin(), Pixels.end(), Pixel_Allocator<uint32_t>(store));
        Pixels.swap(moved);
    }
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
// neighbour by 16.16 stepping through the source (filtered when it enlarges, smooth_turn.h);
// colour key honoured; clipped to the surface.
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
