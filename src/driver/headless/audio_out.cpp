#include "driver/headless/audio_out.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "state/constants.h"

namespace zarvo {

namespace {

// The sample frames up to the end of frame slot `n`: 24 ms of game time each.
int64_t Frames_Until(int64_t n) {
    return (n * Audio_Out::Rate * Frame_Ms + 500) / 1000;
}

}  // namespace

Audio_Out::Audio_Out(const std::vector<Sound>& waves, int32_t frames) {
    mixer_.Load(waves, Rate);
    samples_.reserve(static_cast<size_t>(Frames_Until(std::max(0, frames))) * 2);
}

void Audio_Out::Frame(const std::vector<Played_Wave>& played, int level_percent) {
    for (; started_ < played.size(); ++started_) mixer_.Play(played[started_].Index);
    mixer_.Set_Level(level_percent);
    const int64_t from = Frames_Until(frames_), to = Frames_Until(++frames_);
    const size_t at = samples_.size();
    samples_.resize(at + static_cast<size_t>(to - from) * 2);
    mixer_.Mix(samples_.data() + at, static_cast<int>(to - from));
}

Sound Audio_Out::Recording() const {
    Sound s;
    s.Rate = Rate, s.Bits = 16, s.Channels = 2;
    s.Data.reserve(samples_.size() * 2);
    for (int16_t v : samples_) {
        s.Data.push_back(static_cast<uint8_t>(v & 0xFF));
        s.Data.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
    }
    return s;
}

float Audio_Out::Peak() const {
    int peak = 0;
    for (int16_t v : samples_) peak = std::max(peak, std::abs(static_cast<int>(v)));
    return static_cast<float>(peak) / 32768.0f;
}

std::string Master_Stage_Report(const Audio_Out& audio) {
    const Mixer::Turn_Down& t = audio.mixer().Turned_Down();
    const double frames = static_cast<double>(std::max<uint64_t>(1, t.Frames));
    char line[240];
    std::snprintf(line, sizeof line,
                  "master stage: turned down by more than 3 dB %.1f %% of the time, by more than "
                  "6 dB %.1f %%; the limiter worked %.2f %% of the time; loudest sample %.2f "
                  "dBFS\n",
                  100.0 * static_cast<double>(t.Over_3_Db) / frames,
                  100.0 * static_cast<double>(t.Over_6_Db) / frames,
                  100.0 * static_cast<double>(t.Limited) / frames,
                  20.0 * std::log10(std::max(1e-9f, audio.Peak())));
    return line;
}

}  // namespace zarvo
