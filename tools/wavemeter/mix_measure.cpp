#include "mix_measure.h"

#include <algorithm>
#include <cmath>

#include "assetgen/loudness.h"
#include "platform/mixer.h"
#include "platform/wave_file.h"
#include "state/constants.h"

namespace wavemeter {

namespace {

using assetgen::Power_Db;

std::vector<std::vector<float>> Sides(const std::vector<int16_t>& stereo) {
    std::vector<std::vector<float>> sides(2, std::vector<float>(stereo.size() / 2));
    for (size_t f = 0; f < sides[0].size(); ++f) {
        sides[0][f] = static_cast<float>(stereo[2 * f]) / 32768.0f;
        sides[1][f] = static_cast<float>(stereo[2 * f + 1]) / 32768.0f;
    }
    return sides;
}

// The mean power of every window of `window` frames, `hop` frames apart.
std::vector<double> Window_Powers(const std::vector<double>& power, size_t window, size_t hop) {
    std::vector<double> prefix(power.size() + 1, 0.0);
    for (size_t f = 0; f < power.size(); ++f) prefix[f + 1] = prefix[f] + power[f];
    std::vector<double> out;
    for (size_t at = 0; at + window <= power.size(); at += hop)
        out.push_back((prefix[at + window] - prefix[at]) / static_cast<double>(window));
    return out;
}

// The windows that pass the absolute gate and then the gate `relative` dB under their mean.
std::vector<double> Gated(const std::vector<double>& windows, double relative) {
    std::vector<double> loud;
    for (double p : windows)
        if (Power_Db(p) > -70) loud.push_back(p);
    if (loud.empty()) return {};
    double mean = 0;
    for (double p : loud) mean += p;
    const double gate = Power_Db(mean / static_cast<double>(loud.size())) - relative;
    std::vector<double> kept;
    for (double p : loud)
        if (Power_Db(p) > gate) kept.push_back(p);
    return kept;
}

double Percentile(std::vector<double> v, double share) {
    std::sort(v.begin(), v.end());
    const auto i = static_cast<size_t>(std::lround(share * static_cast<double>(v.size() - 1)));
    return v[i];
}

int64_t Frames_Until(int64_t slot, int32_t rate) {
    return (slot * rate * zarvo::Frame_Ms + 500) / 1000;
}

// The loudest 100 ms of `power` starting within [from, to), and where it starts.
std::pair<double, size_t> Loudest_In(const std::vector<double>& prefix, size_t from, size_t to,
                                     size_t window) {
    std::pair<double, size_t> best{0.0, from};
    for (size_t at = from; at < to && at + window < prefix.size(); ++at) {
        const double p = prefix[at + window] - prefix[at];
        if (p > best.first) best = {p, at};
    }
    return best;
}

std::vector<double> Prefix(const std::vector<double>& power) {
    std::vector<double> prefix(power.size() + 1, 0.0);
    for (size_t f = 0; f < power.size(); ++f) prefix[f + 1] = prefix[f] + power[f];
    return prefix;
}

}  // namespace

Mix_Figures Measure_Mix(const std::vector<int16_t>& stereo, int32_t rate) {
    Mix_Figures m;
    const std::vector<double> power = assetgen::Weighted_Power(Sides(stereo), rate);
    const size_t hop = static_cast<size_t>(rate / 10);
    const std::vector<double> blocks = Gated(Window_Powers(power, 4 * hop, hop), 10);
    if (blocks.empty()) return m;
    double mean = 0;
    for (double p : blocks) mean += p;
    m.Integrated = Power_Db(mean / static_cast<double>(blocks.size()));
    const std::vector<double> windows = Gated(Window_Powers(power, 30 * hop, hop), 20);
    if (windows.size() < 2) return m;
    m.Range = Power_Db(Percentile(windows, 0.95)) - Power_Db(Percentile(windows, 0.10));
    return m;
}

double Loudest_Window(const std::vector<int16_t>& stereo, int32_t rate) {
    const std::vector<double> power = assetgen::Weighted_Power(Sides(stereo), rate);
    const size_t window = static_cast<size_t>(rate / 10);
    if (power.size() < window) return -200;
    const auto loudest = Loudest_In(Prefix(power), 0, power.size(), window);
    return Power_Db(loudest.first / static_cast<double>(window));
}

std::vector<int16_t> Mix_Log(const std::vector<zarvo::Sound>& waves,
                             const std::vector<zarvo::Played_Wave>& log, int32_t frames,
                             int32_t rate, int silent) {
    zarvo::Mixer mixer;
    mixer.Load(waves, rate);
    mixer.Set_Silent(silent, true);
    std::vector<int16_t> out(static_cast<size_t>(Frames_Until(frames, rate)) * 2);
    size_t next = 0;
    for (int32_t slot = 1; slot <= frames; ++slot) {
        for (; next < log.size() && log[next].Frame <= slot; ++next) mixer.Play(log[next].Index);
        const int64_t from = Frames_Until(slot - 1, rate), to = Frames_Until(slot, rate);
        mixer.Mix(out.data() + from * 2, static_cast<int>(to - from));
    }
    return out;
}

Cue_Clearance Measure_Cue(const std::vector<zarvo::Sound>& waves,
                          const std::vector<zarvo::Played_Wave>& log, int32_t frames, int32_t rate,
                          int cue, const std::vector<int16_t>& whole) {
    const std::vector<int16_t> rest = Mix_Log(waves, log, frames, rate, cue);
    std::vector<int16_t> alone(whole.size());
    for (size_t i = 0; i < whole.size(); ++i)
        alone[i] = static_cast<int16_t>(std::clamp(whole[i] - rest[i], -32768, 32767));
    const auto cue_prefix = Prefix(assetgen::Weighted_Power(Sides(alone), rate));
    const auto rest_prefix = Prefix(assetgen::Weighted_Power(Sides(rest), rate));
    const size_t window = static_cast<size_t>(rate / 10);
    const auto& sound = waves[static_cast<size_t>(cue)];
    const size_t length = zarvo::Pcm_Frames(sound) * static_cast<size_t>(rate) /
                          static_cast<size_t>(std::max(1, sound.Rate));
    std::vector<size_t> starts;
    std::vector<int32_t> start_frames;
    for (const zarvo::Played_Wave& w : log)
        // A play is measured when its loudest 100 ms may still fall inside the mix.
        // Plays of one frame are heard as one.
        if (w.Index == cue && Frames_Until(w.Frame, rate) + rate / 5 < Frames_Until(frames, rate) &&
            (starts.empty() ||
             starts.back() != static_cast<size_t>(Frames_Until(w.Frame - 1, rate))))
            starts.push_back(static_cast<size_t>(Frames_Until(w.Frame - 1, rate))),
                start_frames.push_back(w.Frame);
    std::vector<double> clear;
    for (size_t k = 0; k < starts.size(); ++k) {
        // A play is heard until the next play of the same cue begins.
        const size_t end =
            std::min(starts[k] + length, k + 1 < starts.size() ? starts[k + 1] : alone.size() / 2);
        const auto [loudest, at] = Loudest_In(cue_prefix, starts[k], end, window);
        const double others = rest_prefix[at + window] - rest_prefix[at];
        clear.push_back(Power_Db(loudest) - Power_Db(others));
    }
    Cue_Clearance c;
    c.Plays = static_cast<int>(clear.size());
    if (clear.empty()) return c;
    const auto worst = std::min_element(clear.begin(), clear.end());
    c.Worst = *worst;
    c.Worst_Frame = start_frames[static_cast<size_t>(worst - clear.begin())];
    c.Median = Percentile(clear, 0.5);
    c.Under_3_Db = static_cast<int>(std::count_if(clear.begin(), clear.end(), [](double d) { return d < 3.0; }));
    return c;
}

}  // namespace wavemeter
