#include "platform/resampler.h"

#include <algorithm>
#include <cmath>

namespace zarvo {

namespace {

constexpr double Pi = 3.14159265358979;
constexpr int Zero_Crossings = 32;  // on each side of the kernel's centre
constexpr int Table_Steps = 256;    // kernel values per zero crossing
constexpr double Cutoff = 0.9;      // of the lower Nyquist frequency
constexpr double Kaiser_Beta = 8.0; // about 80 dB down in the stop band

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

}  // namespace

std::vector<float> Resample(const std::vector<float>& in, int32_t from, int32_t to) {
    if (from <= 0 || to <= 0 || in.empty()) return {};
    if (from == to) return in;
    const size_t out_frames = static_cast<size_t>(static_cast<uint64_t>(in.size()) *
                                                  static_cast<uint64_t>(to) / from);
    std::vector<float> out(out_frames, 0.0f);
    const std::vector<float>& table = Kernel_Table();
    // The sinc's zero crossings, measured in input samples: one apart when going up, wider
    // when going down, so that the cutoff follows the lower rate.
    const double scale = Cutoff * std::min(1.0, static_cast<double>(to) / from);
    const double reach = Zero_Crossings / scale;  // input samples on each side
    const double step = static_cast<double>(from) / to;
    const auto last = static_cast<int64_t>(in.size()) - 1;
    for (size_t n = 0; n < out_frames; ++n) {
        const double at = static_cast<double>(n) * step;
        const int64_t first = std::max<int64_t>(0, static_cast<int64_t>(std::ceil(at - reach)));
        const int64_t end = std::min<int64_t>(last, static_cast<int64_t>(std::floor(at + reach)));
        double sum = 0;
        for (int64_t k = first; k <= end; ++k) {
            const double pos = std::fabs(at - static_cast<double>(k)) * scale * Table_Steps;
            const auto i = static_cast<size_t>(pos);
            if (i >= table.size() - 1) continue;
            const double frac = pos - static_cast<double>(i);
            sum += in[static_cast<size_t>(k)] * (table[i] + frac * (table[i + 1] - table[i]));
        }
        out[n] = static_cast<float>(sum * scale);
    }
    return out;
}

}  // namespace zarvo
