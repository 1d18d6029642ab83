#include "platform/area_scale.h"

#include <algorithm>

namespace zarvo {

namespace {

// p * share + q * (256 - share), over 256 and rounded, for the four bytes of two pixels at
// once: two bytes in each half of a 32-bit word cannot overflow into each other.
uint32_t Mix(uint32_t p, uint32_t q, uint32_t share) {
    const uint32_t rest = 256 - share;
    const uint32_t rb = ((p & 0x00FF00FFu) * share + (q & 0x00FF00FFu) * rest + 0x00800080u) >> 8;
    const uint32_t ga =
        (((p >> 8) & 0x00FF00FFu) * share + ((q >> 8) & 0x00FF00FFu) * rest + 0x00800080u);
    return (rb & 0x00FF00FFu) | (ga & 0xFF00FF00u);
}

}  // namespace

// Shown pixel j covers [j, j + 1) / scale of the picture; with scale at least 1 that is part
// of one picture pixel, or the end of one and the start of the next.
Area_Axis Make_Area_Axis(int from, int to) {
    Area_Axis a;
    a.From = from, a.To = to;
    a.First.resize(static_cast<size_t>(to));
    a.Share.resize(static_cast<size_t>(to));
    for (int j = 0; j < to; ++j) {
        // In 1/to-ths of a picture pixel: the shown pixel spans [j * from, (j + 1) * from).
        const int64_t begin = int64_t{j} * from, end = begin + from;
        const int first = static_cast<int>(begin / to);
        const int64_t boundary = int64_t{first + 1} * to;
        const int64_t mine = std::min(end, boundary) - begin;
        a.First[static_cast<size_t>(j)] = first;
        a.Share[static_cast<size_t>(j)] = static_cast<uint16_t>((mine * 256 + from / 2) / from);
    }
    return a;
}

void Shown_Span(const Area_Axis& a, int begin, int end, int& shown_begin, int& shown_end) {
    shown_begin = static_cast<int>(int64_t{begin} * a.To / a.From);
    shown_end = static_cast<int>((int64_t{end} * a.To + a.From - 1) / a.From);
    shown_begin = std::clamp(shown_begin, 0, a.To);
    shown_end = std::clamp(shown_end, shown_begin, a.To);
}

void Area_Scale(const uint32_t* rgba, const Area_Axis& x, const Area_Axis& y,
                const Pixel_Rect& shown, uint32_t* out) {
    const int last_column = x.From - 1, last_row = y.From - 1;
    for (int j = shown.Top; j < shown.Bottom; ++j) {
        const int row = y.First[static_cast<size_t>(j)];
        const uint32_t* upper = rgba + static_cast<size_t>(row) * static_cast<size_t>(x.From);
        const uint32_t* lower =
            rgba + static_cast<size_t>(std::min(row + 1, last_row)) * static_cast<size_t>(x.From);
        const uint32_t down = y.Share[static_cast<size_t>(j)];
        uint32_t* line = out + static_cast<size_t>(j) * static_cast<size_t>(x.To);
        for (int i = shown.Left; i < shown.Right; ++i) {
            const int column = x.First[static_cast<size_t>(i)];
            const int next = std::min(column + 1, last_column);
            const uint32_t across = x.Share[static_cast<size_t>(i)];
            const uint32_t top = Mix(upper[column], upper[next], across);
            line[i] = down == 256 ? top : Mix(top, Mix(lower[column], lower[next], across), down);
        }
    }
}

}  // namespace zarvo
