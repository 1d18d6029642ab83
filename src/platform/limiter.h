#pragma once
// The limiter at the end of the mix: it follows the loudest sample of the summed voices and,
// only while that stands above the limit, turns the gain down just far enough, letting it come
// back up smoothly afterwards. However many voices pile up, the output never passes the limit
// and is never clipped; below the limit the sound passes untouched.
//
// It looks a little ahead: the sound comes out a millisecond or two late, so the gain can
// glide down to a peak before it arrives instead of jumping on it (a jump of the gain is a
// click, heard as a tick of hiss above 12 kHz wherever the limiter works).
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

namespace zarvo {

class Soft_Limiter {
  public:
    static constexpr int Most_Look_Ahead = 128;  // frames

    // limit: the highest output level (fraction of full scale); release_frames: how many
    // frames the gain takes to recover by about two thirds once the peaks have passed;
    // look_ahead: how many frames late the sound comes out, plus one (1: not at all, up to
    // Most_Look_Ahead), and so how many frames the gain takes to glide down.
    Soft_Limiter(float limit, float release_frames, int look_ahead = 1);

    // Takes in one stereo frame and puts out, in its place, the frame look_ahead - 1 frames
    // before it, limited.
    void Apply(float& left, float& right) {
        envelope_ = std::max(std::max(std::fabs(left), std::fabs(right)), envelope_ * fall_);
        // Most of the time nothing in reach stands above the limit: the frames only pass.
        if (envelope_ <= limit_ && quiet_ >= span_) {
            Delay(left, right);
            gain_ = 1;
            return;
        }
        Limit(left, right);
    }

    // The gain given to the frame just put out.
    float Gain() const { return gain_; }
    int Look_Ahead() const { return span_; }

  private:
    float Window_Least(float wanted);
    void Limit(float& left, float& right);
    // The frame that came in span_ - 1 frames ago goes out now.
    void Delay(float& left, float& right) {
        ++count_;
        if (span_ == 1) return;
        const auto in = static_cast<size_t>(delay_slot_) * 2;
        std::swap(delayed_[in], left);
        std::swap(delayed_[in + 1], right);
        delay_slot_ = delay_slot_ + 2 == span_ ? 0 : delay_slot_ + 1;
    }

    float limit_;
    float fall_;          // the envelope's decay per frame
    float envelope_ = 0;  // the recent peak level
    int span_ = 1;
    int64_t count_ = 0;  // frames taken in
    float gain_ = 1;
    double held_sum_;  // the last span_ least gains, summed: their mean is the gain
    double per_span_;
    int slot_ = 0, delay_slot_ = 0;  // where the newest least gain and frame go
    int quiet_ = 0;  // frames in a row that wanted no turning down (counted up to span_)
    // The least gain wanted over the last span_ frames, by a queue of rising wants.
    std::array<float, Most_Look_Ahead> want_{};
    std::array<int64_t, Most_Look_Ahead> want_at_{};
    int want_first_ = 0, want_count_ = 0;
    std::array<float, Most_Look_Ahead> held_{};         // the least gains, by frame
    std::array<float, 2 * Most_Look_Ahead> delayed_{};  // the frames on their way out
};

}  // namespace zarvo
