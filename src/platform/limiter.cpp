#include "platform/limiter.h"

#include <algorithm>
#include <cmath>

namespace zarvo {

Soft_Limiter::Soft_Limiter(float limit, float release_frames, int look_ahead)
    : limit_(limit),
      fall_(std::exp(-1.0f / std::max(1.0f, release_frames))),
      span_(std::clamp(look_ahead, 1, Most_Look_Ahead)),
      held_sum_(span_) {
    held_.fill(1.0f);
}

// The least of the gains wanted over the last span_ frames, `wanted` the newest: a queue whose
// wants rise from front to back, the front the least. A want that a later, smaller one
// undercuts can never be the least again and leaves; the front leaves when it grows too old.
float Soft_Limiter::Window_Least(float wanted) {
    if (want_count_ > 0 && want_at_[static_cast<size_t>(want_first_)] <= count_ - span_) {
        want_first_ = (want_first_ + 1) % span_;
        --want_count_;
    }
    while (want_count_ > 0 &&
           want_[static_cast<size_t>((want_first_ + want_count_ - 1) % span_)] >= wanted)
        --want_count_;
    const auto back = static_cast<size_t>((want_first_ + want_count_) % span_);
    want_[back] = wanted;
    want_at_[back] = count_;
    ++want_count_;
    return want_[static_cast<size_t>(want_first_)];
}

// The envelope jumps up to every new peak at once and falls back slowly, so the gain it wants
// never lets a sample past the limit and does not flutter with the waveform. The gain given is
// the mean of the least wants of the last span_ frames: it glides down over span_ frames and
// is, for the frame going out, never more than that frame wanted (each of the means' terms
// saw its want).
void Soft_Limiter::Apply(float& left, float& right) {
    const float peak = std::max(std::fabs(left), std::fabs(right));
    envelope_ = std::max(peak, envelope_ * fall_);
    const float wanted = envelope_ > limit_ ? limit_ / envelope_ : 1.0f;
    const float least = Window_Least(wanted);
    const auto slot = static_cast<size_t>(count_ % span_);
    held_sum_ += static_cast<double>(least) - held_[slot];
    held_[slot] = least;
    gain_ = static_cast<float>(held_sum_ / span_);
    // The frame that came in span_ - 1 frames ago goes out now.
    const int late = span_ - 1;
    if (late > 0) {
        const auto in = static_cast<size_t>(count_ % late) * 2;
        std::swap(delayed_[in], left);
        std::swap(delayed_[in + 1], right);
    }
    ++count_;
    left *= gain_;
    right *= gain_;
}

}  // namespace zarvo
