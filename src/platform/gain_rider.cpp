#include "platform/gain_rider.h"

#include <algorithm>
#include <cmath>

namespace zarvo {

namespace {

constexpr float Power_Seconds = 0.05f;  // how long the loudness is averaged over
constexpr float Sink_Seconds = 0.06f;   // the gain's time constant going down
constexpr float Climb_Seconds = 0.8f;   // and coming back up

float Per_Frames(float seconds, float frames_per_second) {
    return 1.0f - std::exp(-1.0f / std::max(1.0f, seconds * frames_per_second));
}

}  // namespace

Gain_Rider::Gain_Rider(float threshold, float ratio, float rate)
    : threshold_power_(threshold * threshold),
      exponent_(0.5f * (1.0f - 1.0f / std::max(1.0f, ratio))),
      power_fall_(Per_Frames(Power_Seconds, rate)),
      sink_(Per_Frames(Sink_Seconds, rate / Update_Frames)),
      climb_(Per_Frames(Climb_Seconds, rate / Update_Frames)) {}

// Works out where the gain should be and sets the per-sample step that carries it a part of
// the way there over the next Update_Frames samples.
void Gain_Rider::Aim() {
    counted_ = 0;
    const float target =
        power_ > threshold_power_ ? std::pow(threshold_power_ / power_, exponent_) : 1.0f;
    const float toward = target < gain_ ? sink_ : climb_;
    step_ = (target - gain_) * toward / Update_Frames;
}

}  // namespace zarvo
