#pragma once
// State of title, option, score-table and box screens, the score file and the name entry.
#include <cstdint>

namespace zarvo {

struct ScreenState {
    bool operator==(const ScreenState&) const = default;
};

}  // namespace zarvo
