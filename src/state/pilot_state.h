#pragma once
// State of pilots and monsters.
#include <cstdint>

namespace zarvo {

struct PilotState {
    bool operator==(const PilotState&) const = default;
};

}  // namespace zarvo
