#include "platform/frame_clock.h"

namespace zarvo {

bool Frame_Clock::Take_Tick(uint64_t now_ms) {
    if (!active_) return false;
    if (started_ && now_ms - last_ < interval_) return false;
    started_ = true;
    last_ = now_ms;
    return true;
}

uint32_t Frame_Clock::Ms_Until_Tick(uint64_t now_ms) const {
    if (!started_) return 0;
    const uint64_t passed = now_ms - last_;
    return passed >= interval_ ? 0 : static_cast<uint32_t>(interval_ - passed);
}

}  // namespace zarvo
