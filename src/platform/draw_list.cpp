#include "platform/draw_list.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace zarvo {

namespace {

// Block columns first..last (inclusive) as bits.
uint64_t Columns(int first, int last) {
    const uint64_t upto = last >= 63 ? ~0ULL : (1ULL << (last + 1)) - 1;
    return upto & ~((1ULL << first) - 1);
}

uint32_t Hash(const Draw_Call& c) {
    uint64_t h = reinterpret_cast<uintptr_t>(c.Img) * 0x9E3779B97F4A7C15ULL;
    h ^= static_cast<uint32_t>(c.X) * 0x85EBCA77ULL + static_cast<uint32_t>(c.Y) * 0xC2B2AE3DULL;
    return static_cast<uint32_t>(h ^ (h >> 29));
}

// A draw found further on in the frame before is taken as the same draw only if the draws
// after it agree too: a lone coincidence must not make every draw in between count as changed.
constexpr size_t Free_Jump = 8;
constexpr size_t Anchor = 2;

bool Anchored(const Draw_List& now, size_t i, const Draw_List& before, size_t k) {
    for (size_t d = 1; d <= Anchor; ++d) {
        if (i + d >= now.Calls.size() || k + d >= before.Calls.size()) return true;
        if (!now.Same(i + d, before, k + d)) return false;
    }
    return true;
}

}  // namespace

Draw_List::Draw_List() {
    Calls.reserve(Capacity);
    Turns.reserve(Capacity);
}

void Draw_List::Start(uint32_t colour) {
    Colour = colour;
    Calls.clear();
    Turns.clear();
}

bool Draw_List::Add(const Image& img, int x, int y, const Turn* turn,
                    const Pixel_Rect& bounds) {
    if (Calls.size() == Capacity) return false;
    Calls.push_back({&img, x, y, turn ? static_cast<int32_t>(Turns.size()) : -1, bounds});
    if (turn) Turns.push_back(*turn);
    return true;
}

void Draw_One(Surface& s, const Image& img, int x, int y, const Turn* turn,
              const Pixel_Rect& clip) {
    if (turn)
        Draw_Image_Rotated(s, img, x, y, *turn, clip);
    else
        Draw_Image(s, img, x, y, clip);
}

void Draw_List::Draw(Surface& s, size_t i, const Pixel_Rect& clip) const {
    const Draw_Call& c = Calls[i];
    Draw_One(s, *c.Img, c.X, c.Y,
             c.Turn_Index < 0 ? nullptr : &Turns[static_cast<size_t>(c.Turn_Index)], clip);
}

bool Draw_List::Same(size_t i, const Draw_List& other, size_t j) const {
    const Draw_Call &a = Calls[i], &b = other.Calls[j];
    if (a.Img != b.Img || a.X != b.X || a.Y != b.Y) return false;
    if ((a.Turn_Index < 0) != (b.Turn_Index < 0)) return false;
    return a.Turn_Index < 0 || Turns[static_cast<size_t>(a.Turn_Index)] ==
                                   other.Turns[static_cast<size_t>(b.Turn_Index)];
}

void Damage::Reset(int width, int height) {
    width_ = width, height_ = height;
    rows_ = std::min((height + Block - 1) / Block, Max_Blocks);
    all_ = false;
    std::fill(std::begin(row_mask_), std::end(row_mask_), 0);
}

void Damage::Add(const Pixel_Rect& r) {
    const Pixel_Rect in = r.Within({0, 0, width_, height_});
    if (in.Empty()) return;
    if (in.Right > Max_Blocks * Block || in.Bottom > Max_Blocks * Block) return Add_All();
    const uint64_t columns = Columns(in.Left / Block, (in.Right - 1) / Block);
    for (int row = in.Top / Block; row <= (in.Bottom - 1) / Block; ++row)
        row_mask_[row] |= columns;
}

void Damage::Add_All() {
    all_ = true;
    const int columns = std::min((width_ + Block - 1) / Block, Max_Blocks);
    if (columns == 0) return;
    for (int row = 0; row < rows_; ++row) row_mask_[row] = Columns(0, columns - 1);
}

void Damage::Add(const Damage& other) {
    if (other.all_) return Add_All();
    for (int row = 0; row < rows_; ++row) row_mask_[row] |= other.row_mask_[row];
}

void Find_Damage(const Draw_List& before, const Draw_List& now, Damage& damage,
                 Diff_Scratch& scratch) {
    const size_t nb = before.Calls.size(), nn = now.Calls.size();
    scratch.Now_Of.assign(nb, -1);
    scratch.Before_Of.assign(nn, -1);
    if (before.Colour != now.Colour) return damage.Add_All();
    bool table = false;
    size_t mask = 0;
    size_t j = 0;  // the first draw of the frame before not yet passed
    auto match = [&](size_t i, size_t k) {
        scratch.Now_Of[k] = static_cast<int32_t>(i);
        scratch.Before_Of[i] = static_cast<int32_t>(k);
        j = k + 1;
    };
    for (size_t i = 0; i < nn; ++i) {
        // The usual case: the next draw is the one drawn next the frame before.
        if (j < nb && now.Same(i, before, j)) {
            match(i, j);
            continue;
        }
        // Otherwise look for it further on, through chains of draws with the same hash.
        if (!table) {
            table = true;
            mask = std::bit_ceil(std::max<size_t>(2 * nb, 64)) - 1;
            scratch.Head.assign(mask + 1, -1);
            scratch.Next.assign(nb, -1);
            for (size_t k = nb; k-- > 0;) {
                int32_t& head = scratch.Head[Hash(before.Calls[k]) & mask];
                scratch.Next[k] = head;
                head = static_cast<int32_t>(k);
            }
        }
        int32_t k = scratch.Head[Hash(now.Calls[i]) & mask];
        while (k >= 0 &&
               (static_cast<size_t>(k) < j || !now.Same(i, before, static_cast<size_t>(k))))
            k = scratch.Next[static_cast<size_t>(k)];
        const auto found = static_cast<size_t>(k);
        if (k >= 0 && (found - j <= Free_Jump || Anchored(now, i, before, found)))
            match(i, found);
        else
            damage.Add(now.Calls[i].Bounds);
    }
    for (size_t k = 0; k < nb; ++k)
        if (scratch.Now_Of[k] < 0) damage.Add(before.Calls[k].Bounds);
}

namespace {

// The whole picture: filled (or copied from under the layer), unless the first draw is an
// opaque picture covering it, and every draw of the layer made whole.
void Redraw_Whole(Surface& s, const Draw_List& list, const Layer& layer, size_t end) {
    const Draw_Call* first = layer.First < end ? &list.Calls[layer.First] : nullptr;
    if (!(first && first->Turn_Index < 0 && first->Img->Key < 0 && first->Bounds == s.Whole())) {
        if (layer.Under)
            s.Pixels = layer.Under->Pixels;
        else
            s.Fill(list.Colour);
    }
    for (size_t i = layer.First; i < end; ++i) list.Draw(s, i, list.Calls[i].Bounds);
}

// Copies the rectangle from under the layer.
void Copy_Under(Surface& s, const Surface& under, const Pixel_Rect& r) {
    const size_t n = static_cast<size_t>(r.Right - r.Left) * sizeof(uint32_t);
    for (int y = r.Top; y < r.Bottom; ++y) {
        const size_t at = static_cast<size_t>(y) * s.Width + static_cast<size_t>(r.Left);
        std::memcpy(&s.Pixels[at], &under.Pixels[at], n);
    }
}

// A piece before any draw of the layer: the list's colour, or what lies under the layer, copied
// only in the blocks where the picture may differ from it.
void Ground(Surface& s, const Pixel_Rect& area, const Draw_List& list, const Layer& layer) {
    if (!layer.Under) return s.Fill_Rect(area, list.Colour);
    if (!layer.Differs) return Copy_Under(s, *layer.Under, area);
    constexpr int B = Damage::Block;
    const uint64_t columns = Columns(area.Left / B, (area.Right - 1) / B);
    for (int row = area.Top / B; row * B < area.Bottom; ++row) {
        for (uint64_t left = layer.Differs->Row(row) & columns; left;) {
            const int first = std::countr_zero(left);
            const int end = first + std::countr_one(left >> first);
            left &= ~Columns(first, end - 1);
            const Pixel_Rect run{first * B, row * B, end * B, row * B + B};
            Copy_Under(s, *layer.Under, run.Within(area));
        }
    }
}

}  // namespace

Diff_Scratch::Diff_Scratch() {
    Head.reserve(2 * Draw_List::Capacity);
    Next.reserve(Draw_List::Capacity);
    Now_Of.reserve(Draw_List::Capacity);
    Before_Of.reserve(Draw_List::Capacity);
    Pieces.reserve(Damage::Max_Blocks * Damage::Max_Blocks / 2);
    Areas.resize(Damage::Max_Blocks * Damage::Max_Blocks / 2);
}

int Damage::Rects(Pixel_Rect* out, int max) const {
    if (all_) {
        if (max < 1) return -1;
        out[0] = {0, 0, width_, height_};
        return 1;
    }
    struct Run {
        int First, End, Rect;
    };
    Run above[Max_Blocks / 2 + 1], here[Max_Blocks / 2 + 1];
    int n_above = 0, count = 0;
    for (int row = 0; row < rows_; ++row) {
        int n_here = 0;
        for (uint64_t left = row_mask_[row]; left;) {
            const int first = std::countr_zero(left);
            const int end = first + std::countr_one(left >> first);
            left &= ~Columns(first, end - 1);
            const Run* same = std::find_if(above, above + n_above, [&](const Run& r) {
                return r.First == first && r.End == end;
            });
            int rect = same != above + n_above ? same->Rect : count;
            if (rect == count) {
                if (count == max) return -1;
                out[count++] = {first * Block, row * Block, std::min(end * Block, width_), 0};
            }
            out[rect].Bottom = std::min(row * Block + Block, height_);
            here[n_here++] = {first, end, rect};
        }
        std::copy(here, here + n_here, above);
        n_above = n_here;
    }
    return count;
}

Pixel_Rect Damage::Bounds() const {
    Pixel_Rect b{width_, height_, 0, 0};
    for (int row = 0; row < rows_; ++row) {
        const uint64_t m = row_mask_[row];
        if (!m) continue;
        b.Left = std::min(b.Left, std::countr_zero(m) * Block);
        b.Right = std::max(b.Right, std::min((64 - std::countl_zero(m)) * Block, width_));
        b.Top = std::min(b.Top, row * Block);
        b.Bottom = std::min(row * Block + Block, height_);
    }
    return b.Empty() ? Pixel_Rect{} : b;
}

int Damage::Count() const {
    int n = 0;
    for (int row = 0; row < rows_; ++row) n += std::popcount(row_mask_[row]);
    return n;
}

int Damage::Blocks() const {
    return rows_ * std::min((width_ + Block - 1) / Block, Max_Blocks);
}

// The damaged blocks are joined into pieces (Damage::Rects). Each piece is filled with the
// list's colour (or copied from under the layer) just before the first draw that reaches it,
// unless that draw is an opaque picture covering it all; the draws are then made in order, each
// only inside the pieces it reaches. When most of the picture is damaged, it is drawn whole.
void Redraw(Surface& s, const Draw_List& list, const Damage& damage, Diff_Scratch& scratch,
            const Layer& layer) {
    const size_t end = std::min(layer.End, list.Calls.size());
    if (!damage.all_ && damage.Count() == 0) return;
    if (damage.all_ || 4 * damage.Count() >= 3 * damage.Blocks())
        return Redraw_Whole(s, list, layer, end);
    constexpr int B = Damage::Block;
    auto& pieces = scratch.Pieces;
    pieces.clear();
    const int n = damage.Rects(scratch.Areas.data(), static_cast<int>(scratch.Areas.size()));
    for (int id = 0; id < n; ++id) {
        const Pixel_Rect& area = scratch.Areas[static_cast<size_t>(id)];
        const int first = area.Left / B, end = (area.Right + B - 1) / B;
        pieces.push_back({area, Columns(first, end - 1), area.Top / B, false});
        for (int row = area.Top / B; row < (area.Bottom + B - 1) / B; ++row)
            for (int c = first; c < end; ++c) scratch.Piece_Of[row][c] = static_cast<uint16_t>(id);
    }
    for (size_t i = layer.First; i < end; ++i) {
        const Draw_Call& c = list.Calls[i];
        if (c.Bounds.Empty()) continue;
        const uint64_t columns = Columns(c.Bounds.Left / B, (c.Bounds.Right - 1) / B);
        const bool covers = c.Turn_Index < 0 && c.Img->Key < 0;
        const int first_row = c.Bounds.Top / B;
        const int last_row = std::min((c.Bounds.Bottom - 1) / B, damage.rows_ - 1);
        for (int row = first_row; row <= last_row; ++row) {
            uint64_t reached = damage.row_mask_[row] & columns;
            while (reached) {
                Diff_Scratch::Piece& p = pieces[scratch.Piece_Of[row][std::countr_zero(reached)]];
                reached &= ~p.Columns;
                if (row != std::max(p.Top_Row, first_row)) continue;  // drawn from a row above
                if (!p.Ready) {
                    if (!(covers && c.Bounds.Contains(p.Area))) Ground(s, p.Area, list, layer);
                    p.Ready = true;
                }
                list.Draw(s, i, c.Bounds.Within(p.Area));
            }
        }
    }
    // Pieces no draw reaches show the colour, or what lies under the layer, alone.
    for (const Diff_Scratch::Piece& p : pieces)
        if (!p.Ready) Ground(s, p.Area, list, layer);
}

}  // namespace zarvo
