#pragma once
// The frame timer. Ticks fall due on a fixed grid of the interval, so a late wake-up does not
// push the ticks after it; a stall longer than one interval is not made up in a burst: the
// grid starts again from the late tick. While the window has no input focus, or the player
// has paused, the timer stands still, and the first tick after it runs again falls due at once.
#include <cstdint>

namespace zarvo {

class Frame_Clock {
  public:
    explicit Frame_Clock(uint32_t interval_ms) : interval_(interval_ms) {}

    // True when a tick is due at `now_ms`; the tick is then taken.
    bool Take_Tick(uint64_t now_ms);
    // Milliseconds to sleep before the next tick can be due (0 when it is due now).
    uint32_t Ms_Until_Tick(uint64_t now_ms) const;

    void Set_Active(bool active);
    bool Active() const { return active_; }
    // A new interval takes effect from the next tick (fast-forwarding a replay).
    void Set_Interval(uint32_t interval_ms) { interval_ = interval_ms; }
    uint32_t Interval() const { return interval_; }

  private:
    uint32_t interval_;
    bool active_ = true;
    bool started_ = false;
    uint64_t due_ = 0;  // when the next tick falls due
};

}  // namespace zarvo
