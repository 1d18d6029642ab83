#pragma once
// State of the hazard places: Blasters with their flames, blocks and fuses, and Pyrs.
#include <cstdint>

namespace zarvo {

struct HazardState {
    bool operator==(const HazardState&) const = default;
};

}  // namespace zarvo
