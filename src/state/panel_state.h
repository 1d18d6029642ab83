#pragma once
// State of the game panel and the click star burst.
#include <cstdint>

namespace zarvo {

struct PanelState {
    bool operator==(const PanelState&) const = default;
};

}  // namespace zarvo
