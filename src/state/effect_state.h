#pragma once
// State of energy store, readouts and bump stars.
#include <cstdint>

namespace zarvo {

struct EffectState {
    bool operator==(const EffectState&) const = default;
};

}  // namespace zarvo
