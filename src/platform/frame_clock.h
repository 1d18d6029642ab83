#pragma once
// The frame timer. Ticks fall due on a fixed grid of the interval, so a late wake-up does not
// push the ticks after it; a stall longer than one interval is not made up in a burst: the
// grid starts again from the late tick. While the window has no input focus, or the player
// has paused, the timer stands still, and the first tick after it runs again falls due at once.
//
// A loop that wakes only at the display's refreshes (a browser page) may take more than one
// due tick at a refresh: at 30 refreshes a second two ticks now and then keep the game at its
// pace, while a stall longer than those ticks still starts the grid again.
#include <cstdint>

namespace zarvo {

class Frame_Clock {
  public:
    explicit Frame_Clock(uint32_t interval_ms) : interval_(interval_ms) {}

    // True when a tick is due at `now_ms`; the tick is then taken.
    bool Take_Tick(uint64_t now_ms) { return Take_Ticks(now_ms, 1) > 0; }
    // Takes every tick due at `now_ms` when there are at most `most` of them; after a longer
    // stall takes `most` and starts the grid again. Answers how many were taken.
    int Take_Ticks(uint64_t now_ms, int most);
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
