#pragma once
// Drawing by difference. The draws of a frame are written down first and compared with the
// draws of the frame before; only the blocks of the picture that a draw of one frame but not
// of the other touches are drawn again. Everywhere else the same draws land in the same order
// as before, so the pixels there are already right.
#include <cstdint>
#include <vector>

#include "platform/surface.h"

namespace zarvo {

// Draws an image at (x, y), turned when `turn` is given, only inside `clip` (which lies within
// the surface).
void Draw_One(Surface& s, const Image& img, int x, int y, const Turn* turn,
              const Pixel_Rect& clip);

// One draw: an image at (X, Y), plain or turned.
struct Draw_Call {
    const Image* Img = nullptr;
    int32_t X = 0, Y = 0;
    int32_t Turn_Index = -1;  // the turn in the list's Turns, or -1 for a plain draw
    Pixel_Rect Bounds;        // the pixels it may touch, within the picture
};

// The draws of one frame, in order, over a picture first filled with Colour.
class Draw_List {
  public:
    static constexpr size_t Capacity = 8192;  // more draws than this are made at once
    Draw_List();

    void Start(uint32_t colour);
    // Writes a draw down (turned when `turn` is given); false when the list is full.
    bool Add(const Image& img, int x, int y, const Turn* turn, const Pixel_Rect& bounds);
    // Draws call i, only inside `clip`.
    void Draw(Surface& s, size_t i, const Pixel_Rect& clip) const;
    // Call i of this list and call j of the other are the same draw.
    bool Same(size_t i, const Draw_List& other, size_t j) const;

    uint32_t Colour = 0;
    std::vector<Draw_Call> Calls;
    std::vector<Turn> Turns;
};

// The blocks of the picture to draw again, Block x Block pixels each.
class Damage {
  public:
    static constexpr int Block = 10;
    static constexpr int Max_Blocks = 64;  // per side: pictures up to 640 x 640 pixels

    void Reset(int width, int height);  // nothing damaged
    void Add(const Pixel_Rect& r);
    void Add_All();
    void Add(const Damage& other);

    // The damaged blocks as rectangles of pixels: runs of blocks in a block row, carried on down
    // while the rows below have the same run. Answers their number, or -1 when there are more
    // than `max`.
    int Rects(Pixel_Rect* out, int max) const;
    Pixel_Rect Bounds() const;  // the rectangle around every damaged block
    // How many blocks are damaged, and how many the picture has.
    int Count() const;
    int Blocks() const;
    // The damaged block columns of a block row, as bits.
    uint64_t Row(int row) const { return row >= 0 && row < rows_ ? row_mask_[row] : 0; }

  private:
    friend void Redraw(Surface&, const Draw_List&, const Damage&, struct Diff_Scratch&,
                       const struct Layer&);
    int width_ = 0, height_ = 0, rows_ = 0;
    bool all_ = false;
    uint64_t row_mask_[Max_Blocks] = {};  // bit c: block column c of the block row is damaged
};

// The tables of a comparison and a redraw, kept from frame to frame so that neither allocates.
struct Diff_Scratch {
    Diff_Scratch();
    std::vector<int32_t> Head, Next;  // draws of the frame before by hash
    // What a comparison found: for each draw of the frame before, the place of the same draw
    // now, and for each draw now, its place the frame before; -1 where there is none.
    std::vector<int32_t> Now_Of, Before_Of;
    struct Piece {
        Pixel_Rect Area;
        uint64_t Columns = 0;  // its block columns
        int Top_Row = 0;       // its first block row
        bool Ready = false;    // filled, or covered by its first draw
    };
    std::vector<Pixel_Rect> Areas;                            // damaged blocks joined up
    std::vector<Piece> Pieces;                                // and what a redraw keeps of them
    uint16_t Piece_Of[Damage::Max_Blocks][Damage::Max_Blocks];  // by block row and column
};

// Compares the draws of two frames.
void Find_Damage(const Draw_List& before, const Draw_List& now, Damage& damage,
                 Diff_Scratch& scratch);

// Which draws of a list a redraw makes (First..End-1) and what lies under them: the list's
// colour, or `Under`, a picture of the draws before First. With `Differs`, only its blocks of
// the picture redrawn may differ from `Under`; the others are not copied again.
struct Layer {
    size_t First = 0;
    size_t End = Draw_List::Capacity;
    const Surface* Under = nullptr;
    const Damage* Differs = nullptr;
};

// Draws the damaged blocks of the picture anew from the frame's list.
void Redraw(Surface& s, const Draw_List& list, const Damage& damage, Diff_Scratch& scratch,
            const Layer& layer = {});

}  // namespace zarvo
