#include "platform/limiter.h"

#include <algorithm>
#include <cmath>

namespace zarvo {

Soft_Limiter::Soft_Limiter(float limit, float release_frames, int look_ahead)
    : limit_(limit),
      fall_(std::exp(-1.0f / std::max(1.0f, release_frames))),
      span_(std::clamp(look_ahead, 1, Most_Look_Ahead)),
      held_sum_(span_),
      per_span_(1.0 / span_) {
    held_.fill(1.0f);
}

namespace {

int Next(int i, int span) {
    return i + 1 == span ? 0 : i + 1;
}

}  // namespace

// The least of the gains wanted over the last span_ frames, `wanted` the newest: a queue whose
// wants rise from front to back, the front the least. A want that a later, smaller one
// undercuts can never be the least again and leaves; the front leaves when it grows too old.
float Soft_Limiter::Window_Least(float wanted) {
    if (want_count_ > 0 && want_at_[static_cast<size_t>(want_first_)] <= count_ - span_) {
        want_first_ = Next(want_first_, span_);
        --want_count_;
    }
    int back = want_first_ + want_count_;  // one past the back, not yet wrapped
    while (want_count_ > 0) {
        const int last = back - 1 >= span_ ? back - 1 - span_ : back - 1;
        if (want_[static_cast<size_t>(last)] < wanted) break;
        --want_count_;
        --back;
    }
    const auto at = static_cast<size_t>(back >= span_ ? back - span_ : back);
    want_[at] = wanted;
    want_at_[at] = count_;
    ++want_count_;
    return want_[static_cast<size_t>(want_first_)];
}

// The envelope jumps up to every new peak at once and falls back slowly, so the gain it wants
// never lets a sample past the limit and does not flutter with the waveform. The gain given is
// the mean of the least wants of the last span_ frames: it glides down over span_ frames and
// is, for the frame going out, never more than that frame wanted (each of the means' terms
// saw its want).
void Soft_Limiter::Limit(float& left, float& right) {
    const float wanted = envelope_ > limit_ ? limit_ / envelope_ : 1.0f;
    quiet_ = wanted < 1.0f ? 0 : quiet_ + 1;
    const float least = Window_Least(wanted);
    held_sum_ += static_cast<double>(least) - held_[static_cast<size_t>(slot_)];
    held_[static_cast<size_t>(slot_)] = least;
    slot_ = Next(slot_, span_);
    gain_ = static_cast<float>(held_sum_ * per_span_);
    Delay(left, right);
    left *= gain_;
    right *= gain_;
}

}  // namespace zarvo
