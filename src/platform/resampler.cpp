#include "platform/resampler.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zarvo {

namespace {

constexpr double Pi = 3.14159265358979;
constexpr int Zero_Crossings = 32;   // on each side of the kernel's centre
constexpr int Table_Steps = 256;     // kernel values per zero crossing
constexpr double Cutoff = 0.9;       // of the lower Nyquist frequency
constexpr double Kaiser_Beta = 8.0;  // about 80 dB down in the stop band

// The modified Bessel function of order 0, by its power series.
double Bessel_I0(double x) {
    double sum = 1, term = 1;
    for (int k = 1; k < 40; ++k) {
        term *= (x / (2 * k)) * (x / (2 * k));
        sum += term;
    }
    return sum;
}

// The right half of the kernel, sampled at Table_Steps per zero crossing of the sinc, with one
// entry to spare at the end so that interpolation never reads past it.
const std::vector<float>& Kernel_Table() {
    static const std::vector<float> table = [] {
        const int n = Zero_Crossings * Table_Steps;
        std::vector<float> t(static_cast<size_t>(n) + 2, 0.0f);
        const double norm = Bessel_I0(Kaiser_Beta);
        for (int i = 0; i <= n; ++i) {
            const double x = static_cast<double>(i) / Table_Steps;  // in zero crossings
            const double sinc = i == 0 ? 1.0 : std::sin(Pi * x) / (Pi * x);
            const double r = x / Zero_Crossings;
            const double window = Bessel_I0(Kaiser_Beta * std::sqrt(1.0 - r * r)) / norm;
            t[static_cast<size_t>(i)] = static_cast<float>(sinc * window);
        }
        return t;
    }();
    return table;
}

// The kernel at `x` zero crossings from its centre (linear between the table's entries).
float Kernel_At(const std::vector<float>& table, double x) {
    const double pos = std::fabs(x) * Table_Steps;
    const auto i = static_cast<size_t>(pos);
    if (i >= table.size() - 1) return 0.0f;
    const double frac = pos - static_cast<double>(i);
    return static_cast<float>(table[i] + frac * (table[i + 1] - table[i]));
}

// The weights of every phase: output sample n lies `phase / phases` of an input sample past
// input sample n * from / to, and takes `taps` input samples around it. Phases are exact when
// the two rates share a large divisor (every rate the catalogue and the devices use), finely
// spaced otherwise.
struct Polyphase {
    int64_t phases = 1, down = 1;  // output n at input n * down / phases
    int taps = 0, before = 0;      // input samples weighed, and how many lie before `at`
    std::vector<float> weights;    // phases x taps
};

Polyphase Make_Polyphase(int32_t from, int32_t to) {
    constexpr int64_t Most_Phases = 8192;
    Polyphase p;
    const int64_t g = std::gcd(static_cast<int64_t>(from), static_cast<int64_t>(to));
    p.phases = std::min<int64_t>(to / g, Most_Phases);
    const double step = static_cast<double>(from) / to;
    p.down = static_cast<int64_t>(std::llround(step * static_cast<double>(p.phases)));
    // A rate brought down more than some sixteen times keeps a kernel of bounded length: it
    // lets a little more through, but a wave of any rate costs bounded time and memory.
    const double scale =
        std::max(Cutoff * std::min(1.0, static_cast<double>(to) / from), Zero_Crossings / 512.0);
    p.before = static_cast<int>(std::ceil(Zero_Crossings / scale));
    p.taps = 2 * p.before + 1;
    p.weights.resize(static_cast<size_t>(p.phases * p.taps));
    const std::vector<float>& table = Kernel_Table();
    for (int64_t ph = 0; ph < p.phases; ++ph) {
        const double frac = static_cast<double>(ph) / static_cast<double>(p.phases);
        for (int j = 0; j < p.taps; ++j)
            p.weights[static_cast<size_t>(ph * p.taps + j)] =
                static_cast<float>(scale * Kernel_At(table, (frac - (j - p.before)) * scale));
    }
    return p;
}

// Four running sums, so that the compiler may keep them in one vector register.
float Dot(const float* x, const float* w, int n) {
    float s[4] = {0, 0, 0, 0};
    int j = 0;
    for (; j + 4 <= n; j += 4)
        for (int k = 0; k < 4; ++k) s[k] += x[j + k] * w[j + k];
    for (; j < n; ++j) s[0] += x[j] * w[j];
    return (s[0] + s[1]) + (s[2] + s[3]);
}

}  // namespace

std::vector<float> Resample(const std::vector<float>& in, int32_t from, int32_t to) {
    if (from <= 0 || to <= 0 || in.empty()) return {};
    if (from == to) return in;
    const size_t out_frames =
        static_cast<size_t>(static_cast<uint64_t>(in.size()) * static_cast<uint64_t>(to) / from);
    const Polyphase p = Make_Polyphase(from, to);
    // Silence on both sides, so the kernel may reach past either end.
    std::vector<float> padded(in.size() + 2 * static_cast<size_t>(p.taps), 0.0f);
    std::copy(in.begin(), in.end(), padded.begin() + p.taps);
    std::vector<float> out(out_frames);
    for (size_t n = 0; n < out_frames; ++n) {
        const int64_t at = static_cast<int64_t>(n) * p.down;
        const int64_t base = at / p.phases, phase = at % p.phases;
        // Finely spaced phases may run a little past the end: only silence is there.
        if (base > static_cast<int64_t>(in.size()) + p.before) break;
        const float* x = padded.data() + (base + p.taps - p.before);
        const float* w = p.weights.data() + phase * p.taps;
        out[n] = Dot(x, w, p.taps);
    }
    return out;
}

}  // namespace zarvo
