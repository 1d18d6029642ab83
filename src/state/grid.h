#pragma once
// A fixed table of 32-bit cells indexed [Col][Row] over an inclusive range. Reads outside
// the range answer the grid's "nothing here" value and writes outside it are dropped, so
// routines that look one or two cells past the arena never touch memory outside the table.
#include <cstdint>

namespace zarvo {

template <int C0, int C1, int R0, int R1, int32_t Outside>
struct Grid {
    static constexpr int Col_Min = C0, Col_Max = C1, Row_Min = R0, Row_Max = R1;
    static constexpr int32_t Nothing = Outside;

    int32_t cell[C1 - C0 + 1][R1 - R0 + 1]{};

    static constexpr bool inside(int col, int row) {
        return col >= C0 && col <= C1 && row >= R0 && row <= R1;
    }
    constexpr int32_t operator()(int col, int row) const {
        return inside(col, row) ? cell[col - C0][row - R0] : Outside;
    }
    constexpr void set(int col, int row, int32_t value) {
        if (inside(col, row)) cell[col - C0][row - R0] = value;
    }
    constexpr void fill(int32_t value) {
        for (auto& column : cell)
            for (auto& v : column) v = value;
    }
    bool operator==(const Grid&) const = default;
};

}  // namespace zarvo
