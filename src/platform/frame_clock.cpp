#include "platform/frame_clock.h"

namespace zarvo {

bool Frame_Clock::Take_Tick(uint64_t now_ms) {
    if (!active_) return false;
    if (started_ && now_ms < due_) return false;
    // The next tick is due one interval after this one was due; after a stall of a whole
    // interval or more it is due one interval from now instead.
    due_ = started_ ? due_ + interval_ : now_ms + interval_;
    if (due_ <= now_ms) due_ = now_ms + interval_;
    started_ = true;
    return true;
}

uint32_t Frame_Clock::Ms_Until_Tick(uint64_t now_ms) const {
    if (!started_ || now_ms >= due_) return 0;
    return static_cast<uint32_t>(due_ - now_ms);
}

void Frame_Clock::Set_Active(bool active) {
    if (active && !active_) started_ = false;
    active_ = active;
}

}  // namespace zarvo
