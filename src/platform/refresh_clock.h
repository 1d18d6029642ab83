#pragma once
// The frame timer for a loop that is woken at every refresh of the display (a browser's
// animation frames) instead of sleeping until a tick is due. A tick is due once the interval
// has passed since the last tick was due, so refreshes every 16.7 ms still give a tick every
// 24 ms on average. At most one tick is taken per refresh, and a tick that is more than a whole
// interval late starts the count anew: ticks missed while the page stalled are not made up.
// While the page is hidden or without focus the timer stands still.

namespace zarvo {

class Refresh_Clock {
  public:
    explicit Refresh_Clock(double interval_ms) : interval_(interval_ms) {}

    // True when a tick is due at the refresh at `now_ms`; the tick is then taken.
    bool Take_Tick(double now_ms);
    // How long until the next tick is due (0 when it is due now); while inactive, the interval.
    double Ms_Until_Tick(double now_ms) const;

    // Coming back to life, the first refresh ticks at once, as a long wait has passed.
    void Set_Active(bool active);
    bool Active() const { return active_; }

  private:
    double interval_;
    bool active_ = true;
    bool started_ = false;
    double due_ = 0;  // when the next tick is due
};

}  // namespace zarvo
