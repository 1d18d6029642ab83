#include "platform/refresh_clock.h"

namespace zarvo {

bool Refresh_Clock::Take_Tick(double now_ms) {
    if (!active_) return false;
    if (started_ && now_ms < due_) return false;
    const bool behind = !started_ || now_ms - due_ >= interval_;
    due_ = (behind ? now_ms : due_) + interval_;
    started_ = true;
    return true;
}

double Refresh_Clock::Ms_Until_Tick(double now_ms) const {
    if (!active_) return interval_;
    if (!started_ || now_ms >= due_) return 0;
    return due_ - now_ms;
}

void Refresh_Clock::Set_Active(bool active) {
    if (active && !active_) started_ = false;
    active_ = active;
}

}  // namespace zarvo
