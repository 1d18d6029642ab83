#include "loudness.h"

#include <algorithm>
#include <cmath>

#include "platform/wave_file.h"

namespace assetgen {

namespace {

constexpr double Pi = 3.14159265358979;
constexpr double Window_Seconds = 0.1;

struct Biquad {
    double B0 = 1, B1 = 0, B2 = 0, A1 = 0, A2 = 0;
    double X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;
    double Run(double x) {
        const double y = B0 * x + B1 * X1 + B2 * X2 - A1 * Y1 - A2 * Y2;
        X2 = X1, X1 = x, Y2 = Y1, Y1 = y;
        return y;
    }
};

Biquad Normalised(double b0, double b1, double b2, double a0, double a1, double a2) {
    Biquad q;
    q.B0 = b0 / a0, q.B1 = b1 / a0, q.B2 = b2 / a0, q.A1 = a1 / a0, q.A2 = a2 / a0;
    return q;
}

// The presence lift: a shelf of +4 dB centred near 1.7 kHz.
Biquad Presence_Shelf(double rate) {
    const double a = std::pow(10.0, 4.0 / 40.0), w = 2 * Pi * 1681.97 / rate;
    const double alpha = std::sin(w) / (2 * 0.70718), c = std::cos(w), r = 2 * std::sqrt(a) * alpha;
    return Normalised(a * ((a + 1) + (a - 1) * c + r), -2 * a * ((a - 1) + (a + 1) * c),
                      a * ((a + 1) + (a - 1) * c - r), (a + 1) - (a - 1) * c + r,
                      2 * ((a - 1) - (a + 1) * c), (a + 1) - (a - 1) * c - r);
}

// The bass cut: a second-order high-pass at 38 Hz.
Biquad Bass_Cut(double rate) {
    const double w = 2 * Pi * 38.135 / rate, alpha = std::sin(w) / (2 * 0.50033);
    const double c = std::cos(w);
    return Normalised((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

}  // namespace

std::vector<double> Weighted_Power(const std::vector<std::vector<float>>& channels, int32_t rate) {
    if (channels.empty() || rate <= 0) return {};
    const size_t frames = channels[0].size();
    // A mono recording sounds on both sides.
    const double sides = channels.size() == 1 ? 2.0 : 1.0;
    std::vector<double> power(frames, 0.0);
    for (const std::vector<float>& ch : channels) {
        Biquad shelf = Presence_Shelf(rate), cut = Bass_Cut(rate);
        for (size_t f = 0; f < std::min(frames, ch.size()); ++f) {
            const double y = cut.Run(shelf.Run(ch[f]));
            power[f] += sides * y * y;
        }
    }
    return power;
}

double Power_Db(double mean_power) {
    return -0.691 + 10.0 * std::log10(std::max(mean_power, 1e-20));
}

double Short_Term_Loudness(const std::vector<std::vector<float>>& channels, int32_t rate) {
    if (channels.empty() || rate <= 0) return -200;
    const std::vector<double> power = Weighted_Power(channels, rate);
    const size_t frames = power.size();
    // Windows that run past either end hear silence there, as a wave played alone does.
    const size_t window = std::max<size_t>(1, static_cast<size_t>(Window_Seconds * rate));
    double sum = 0, loudest = 0;
    for (size_t f = 0; f < frames; ++f) {
        sum += power[f];
        if (f >= window) sum -= power[f - window];
        loudest = std::max(loudest, sum);
    }
    return Power_Db(loudest / static_cast<double>(window));
}

double Short_Term_Loudness(const zarvo::Sound& sound) {
    const size_t frames = zarvo::Pcm_Frames(sound);
    if (frames == 0) return -200;
    const size_t channels = static_cast<size_t>(sound.Channels);
    std::vector<std::vector<float>> v(std::min<size_t>(channels, 2), std::vector<float>(frames));
    for (size_t f = 0; f < frames; ++f)
        for (size_t ch = 0; ch < v.size(); ++ch)
            v[ch][f] = zarvo::Pcm_Sample(sound, f * channels + ch);
    return Short_Term_Loudness(v, sound.Rate);
}

}  // namespace assetgen
