#pragma once
// State of energy store, readouts and bump stars.
#include <cstdint>

namespace zarvo {

struct EffectState {
    int32_t Energy_Count = 12;
    int32_t Reserve_Count = 12;
    bool operator==(const EffectState&) const = default;
};

}  // namespace zarvo
