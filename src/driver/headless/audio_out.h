#pragma once
// The headless runner's ear: every wave the game starts goes into a Mixer at the rate of a
// sound device, and every frame slot mixes its 24 ms, so the file written at the end holds
// exactly what a player would have heard (master stage and limiter included).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/headless/headless_media.h"
#include "platform/mixer.h"

namespace zarvo {

class Audio_Out {
  public:
    static constexpr int32_t Rate = 44100;

    // Room is made for `frames` frame slots at once, so that mixing them allocates nothing.
    Audio_Out(const std::vector<Sound>& waves, int32_t frames);

    // Starts the waves played since the last call (from `played`) and mixes one frame slot at
    // the player's sound level.
    void Frame(const std::vector<Played_Wave>& played, int level_percent);

    // The mix as 16-bit stereo at Rate.
    Sound Recording() const;
    // Answers the loudest sample of the mix as a fraction of full scale.
    float Peak() const;
    const Mixer& mixer() const { return mixer_; }

  private:
    Mixer mixer_;
    size_t started_ = 0;  // waves of the log already started
    int64_t frames_ = 0;  // frame slots mixed
    std::vector<int16_t> samples_;
};

// One line on the master stage: how much of the time it turned the mix down by more than
// 3 dB and by more than 6 dB, how much of it the limiter worked at all, and the loudest sample.
std::string Master_Stage_Report(const Audio_Out& audio);

}  // namespace zarvo
