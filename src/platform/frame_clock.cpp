#include "platform/frame_clock.h"

namespace zarvo {

int Frame_Clock::Take_Ticks(uint64_t now_ms, int most) {
    if (!active_) return 0;
    if (started_ && now_ms < due_) return 0;
    // The ticks fall due one interval after another; after a stall of more than `most`
    // intervals, `most` of them run and the next one is due one interval from now instead.
    if (most < 1) most = 1;
    const uint64_t due = started_ ? (now_ms - due_) / interval_ + 1 : 1;
    if (!started_ || due > static_cast<uint64_t>(most)) {
        due_ = now_ms + interval_;
        const int taken = started_ ? most : 1;
        started_ = true;
        return taken;
    }
    due_ += due * interval_;
    return static_cast<int>(due);
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
