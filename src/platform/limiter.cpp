#include "platform/limiter.h"

#include <algorithm>
#include <cmath>

namespace zarvo {

Soft_Limiter::Soft_Limiter(float limit, float release_frames) : limit_(limit) {
    Set_Release(release_frames);
}

void Soft_Limiter::Set_Release(float release_frames) {
    fall_ = std::exp(-1.0f / std::max(1.0f, release_frames));
}

// The envelope jumps up to every new peak at once, so no sample ever gets past the limit, and
// falls back slowly, so the gain does not flutter with the waveform.
void Soft_Limiter::Apply(float& left, float& right) {
    const float peak = std::max(std::fabs(left), std::fabs(right));
    envelope_ = std::max(peak, envelope_ * fall_);
    const float gain = Gain();
    left *= gain;
    right *= gain;
}

float Soft_Limiter::Gain() const {
    return envelope_ > limit_ ? limit_ / envelope_ : 1.0f;
}

}  // namespace zarvo
