#pragma once
// State of the game panel and the click star burst.
#include <cstdint>

namespace zarvo {

inline constexpr int Message_Explose_Stars = 8;

struct Panel_State {
    // The burst of eight blue stars that answers a button click.
    bool Message_Explose_On = false;
    int32_t Message_Explose_Tick = 0;
    int32_t Message_Explose_X = 0;
    int32_t Message_Explose_Y = 0;
    // Top-left corners of stars 1..8.
    int32_t Message_Explose_Star_X[Message_Explose_Stars + 1] = {};
    int32_t Message_Explose_Star_Y[Message_Explose_Stars + 1] = {};

    bool operator==(const Panel_State&) const = default;
};

}  // namespace zarvo
