#pragma once
// The frame timer. A tick is due once the interval have passed since the last one; the tick
// takes the current time as its own, so ticks missed during a stall are not made up. While the
// window has no input focus the timer stands still.
#include <cstdint>

namespace zarvo {

class Frame_Clock {
  public:
    explicit Frame_Clock(uint32_t interval_ms) : interval_(interval_ms) {}

    // True when a tick is due at `now_ms`; the tick is then taken (its time is `now_ms`).
    bool Take_Tick(uint64_t now_ms);
    // Milliseconds to sleep before the next tick can be due (0 when it is due now).
    uint32_t Ms_Until_Tick(uint64_t now_ms) const;

    void Set_Active(bool active) { active_ = active; }
    bool Active() const { return active_; }

  private:
    uint32_t interval_;
    bool active_ = true;
    bool started_ = false;
    uint64_t last_ = 0;
};

}  // namespace zarvo
