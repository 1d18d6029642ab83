#include "wave_measure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "assetgen/loudness.h"
#include "assets/catalogue.h"
#include "platform/wave_file.h"

namespace wavemeter {

namespace {

using zarvo::Sound;
namespace Wave = zarvo::Wave;

constexpr double Peak_Ceiling = 0.944;         // -0.5 dBFS
constexpr double Dc_Limit = 0.004;             // about half an 8-bit step
constexpr double Edge_Limit = 1.0 / 64;        // two 8-bit steps
constexpr double Frequent_Below_Min_Db = 8.0;  // the frequent waves under the big ones
constexpr double Frequent_Below_Max_Db = 12.0;
constexpr double Quietest_Below_Db = 16.0;  // no wave lost under the big ones

constexpr int Big[] = {Wave::Explose_6, Wave::Danger, Wave::Welcome};
constexpr int Frequent[] = {Wave::Laser,     Wave::Step,  Wave::Cracker,    Wave::Explose_5,
                            Wave::Explose_3, Wave::Click, Wave::Explosion_1};

std::string Format(const char* pattern, const std::string& name, double a, double b) {
    char line[200];
    std::snprintf(line, sizeof line, pattern, name.c_str(), a, b);
    return line;
}

}  // namespace

double Db(double fraction) {
    return 20.0 * std::log10(std::max(fraction, 1e-9));
}

Wave_Measure Measure_Wave(const Sound& sound, const std::string& name) {
    Wave_Measure m;
    m.Name = name;
    const int channels = std::max(1, sound.Channels);
    const size_t frames = zarvo::Pcm_Frames(sound);
    if (frames == 0 || sound.Rate <= 0) return m;
    m.Length_Ms = 1000.0 * static_cast<double>(frames) / sound.Rate;

    double square_sum = 0;
    std::vector<double> channel_sum(static_cast<size_t>(channels), 0.0);
    std::vector<double> frame_power(frames, 0.0);
    for (size_t f = 0; f < frames; ++f)
        for (int ch = 0; ch < channels; ++ch) {
            const double v = zarvo::Pcm_Sample(sound, f * static_cast<size_t>(channels) + ch);
            m.Peak = std::max(m.Peak, std::fabs(v));
            square_sum += v * v;
            frame_power[f] += v * v / channels;
            channel_sum[static_cast<size_t>(ch)] += v;
            if (f == 0) m.First_Jump = std::max(m.First_Jump, std::fabs(v));
            if (f == frames - 1) m.Last_Jump = std::max(m.Last_Jump, std::fabs(v));
        }
    m.Rms = std::sqrt(square_sum / static_cast<double>(frames * static_cast<size_t>(channels)));
    for (double s : channel_sum) m.Dc = std::max(m.Dc, std::fabs(s / static_cast<double>(frames)));

    // The loudest 100 ms (the whole wave when it is shorter), by a running sum.
    const size_t window = std::clamp<size_t>(static_cast<size_t>(sound.Rate / 10), 1, frames);
    double sum = 0, loudest = 0;
    for (size_t f = 0; f < frames; ++f) {
        sum += frame_power[f];
        if (f >= window) sum -= frame_power[f - window];
        if (f + 1 >= window) loudest = std::max(loudest, sum);
    }
    m.Loudest_Window = std::sqrt(std::max(0.0, loudest) / static_cast<double>(window));
    m.Loudness = assetgen::Short_Term_Loudness(sound);
    return m;
}

double Median_Rms_Db(const std::vector<Wave_Measure>& waves) {
    std::vector<double> db;
    for (const Wave_Measure& m : waves) db.push_back(Db(m.Rms));
    if (db.empty()) return 0;
    std::sort(db.begin(), db.end());
    const size_t n = db.size();
    return n % 2 ? db[n / 2] : (db[n / 2 - 1] + db[n / 2]) / 2;
}

namespace {

// The frequent waves against the big ones, and every wave against the loudest big one.
void Hierarchy_Problems(const std::vector<Wave_Measure>& waves, std::vector<std::string>& out) {
    double quietest_big = 1e9, loudest_big = -1e9;
    for (int b : Big) {
        quietest_big = std::min(quietest_big, waves[static_cast<size_t>(b)].Loudness);
        loudest_big = std::max(loudest_big, waves[static_cast<size_t>(b)].Loudness);
    }
    for (int f : Frequent) {
        const Wave_Measure& m = waves[static_cast<size_t>(f)];
        const double highest = quietest_big - Frequent_Below_Min_Db;
        if (m.Loudness > highest)
            out.push_back(
                Format("%s: loudness %.1f dB, want %.1f or less, well under every big wave", m.Name,
                       m.Loudness, highest));
        const double lowest = loudest_big - Frequent_Below_Max_Db;
        if (m.Loudness < lowest)
            out.push_back(Format("%s: loudness %.1f dB, want %.1f or more, near the big waves",
                                 m.Name, m.Loudness, lowest));
    }
    for (const Wave_Measure& m : waves) {
        if (m.Loudness > loudest_big + 0.05)
            out.push_back(Format("%s: loudness %.1f dB is above the loudest big wave's %.1f",
                                 m.Name, m.Loudness, loudest_big));
        if (m.Loudness < loudest_big - Quietest_Below_Db)
            out.push_back(
                Format("%s: loudness %.1f dB, want %.1f or more, not lost under the big "
                       "waves",
                       m.Name, m.Loudness, loudest_big - Quietest_Below_Db));
    }
}

}  // namespace

std::vector<std::string> Level_Problems(const std::vector<Wave_Measure>& waves) {
    std::vector<std::string> problems;
    for (const Wave_Measure& m : waves) {
        if (m.Peak > Peak_Ceiling)
            problems.push_back(Format("%s: peak %.2f dBFS is above %.1f dBFS", m.Name, Db(m.Peak),
                                      Db(Peak_Ceiling)));
        if (m.Dc > Dc_Limit)
            problems.push_back(Format("%s: DC offset %.4f (limit %.4f)", m.Name, m.Dc, Dc_Limit));
        if (std::max(m.First_Jump, m.Last_Jump) > Edge_Limit)
            problems.push_back(Format("%s: starts %.3f / ends %.3f away from silence", m.Name,
                                      m.First_Jump, m.Last_Jump));
    }
    if (waves.size() != static_cast<size_t>(Wave::Count)) return problems;
    Hierarchy_Problems(waves, problems);
    const Wave_Measure& big = waves[Wave::Explose_6];
    for (int alert : {Wave::Danger, Wave::Warning, Wave::No, Wave::FadenKreuz}) {
        const Wave_Measure& a = waves[static_cast<size_t>(alert)];
        if (a.Loudness > big.Loudness + 0.05)
            problems.push_back(Format("%s: loudness %.1f dB is above the big explosion's %.1f",
                                      a.Name, a.Loudness, big.Loudness));
    }
    return problems;
}

}  // namespace wavemeter
