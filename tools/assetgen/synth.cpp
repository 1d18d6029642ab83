#include "synth.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "loudness.h"

namespace assetgen {

namespace {

constexpr float Two_Pi = 6.28318531f;
constexpr double Pi = 3.14159265358979;

constexpr float Shortest_Attack = 0.002f;   // no voice starts faster: a faster edge clicks
constexpr float Shortest_Release = 0.003f;  // nor stops faster
constexpr float Edge_Fade = 0.003f;         // every recording fades in and out this long
constexpr float Dc_Cutoff_Hz = 20;
constexpr float Knee_Share = 0.67f;  // the soft bend starts at this share of the ceiling

// The weight of harmonic `k` of a shape, before band limits and brightness.
double Harmonic_Weight(Wave_Shape shape, int k) {
    switch (shape) {
        case Wave_Shape::Sine:
            return k == 1 ? 1.0 : 0.0;
        case Wave_Shape::Square:
            return k % 2 ? 0.8 * 4.0 / (Pi * k) : 0.0;
        case Wave_Shape::Saw:
            return 0.8 * 2.0 / (Pi * k);
        case Wave_Shape::Triangle:
            return k % 2 ? (((k - 1) / 2) % 2 ? -1.0 : 1.0) * 8.0 / (Pi * Pi * k * k) : 0.0;
    }
    return 0;
}

// One sample of a band-limited shape at `phase` (in cycles) and pitch `hz`: the sum of its
// harmonics, each faded out as it nears half the sample rate and rolled off above
// `brightness`. The sines of the harmonics come from the Chebyshev recurrence.
float Band_Limited(Wave_Shape shape, double phase, float hz, float rate, float brightness) {
    const double nyquist = rate * 0.5;
    const double top = 0.95 * nyquist, fade = 0.15 * nyquist;
    const int count = static_cast<int>(top / std::max(1.0f, hz));
    if (count < 1) return 0;
    const double x = 2.0 * Pi * phase;
    const double c2 = 2.0 * std::cos(x);
    double s_prev = 0, s = std::sin(x), sum = 0;
    const int last = shape == Wave_Shape::Sine ? 1 : count;
    for (int k = 1; k <= last; ++k) {
        const double f = static_cast<double>(k) * hz;
        double w = Harmonic_Weight(shape, k) * std::clamp((top - f) / fade, 0.0, 1.0);
        if (brightness > 0) w /= 1.0 + (f / brightness) * (f / brightness);
        sum += w * s;
        const double next = c2 * s - s_prev;
        s_prev = s;
        s = next;
    }
    return static_cast<float>(sum);
}

// The fade-in, fade-out and decay of a voice at time s into it.
float Envelope(float s, float length, float attack, float release, float decay) {
    float e = 1.0f;
    if (attack > 0 && s < attack) e *= s / attack;
    if (release > 0 && s > length - release) e *= std::max(0.0f, (length - s) / release);
    if (decay > 0) e *= std::exp(-s / decay);
    return e;
}

void Mix_In(Track& t, size_t i, float v, float pan) {
    if (t.Right.empty()) {
        t.Left[i] += v;
        return;
    }
    t.Left[i] += v * std::min(1.0f, 1.0f - pan);
    t.Right[i] += v * std::min(1.0f, 1.0f + pan);
}

size_t Sample_At(const Track& t, float seconds) {
    return static_cast<size_t>(std::max(0.0f, seconds) * static_cast<float>(t.Rate));
}

// The pitch of a tone at time s into it: an exponential sweep, or two when it turns.
float Pitch_At(const Tone& tone, float s) {
    if (tone.Turn_Hz <= 0)
        return tone.From_Hz * std::pow(tone.To_Hz / tone.From_Hz, s / tone.Length);
    const float half = tone.Length / 2;
    if (s < half) return tone.From_Hz * std::pow(tone.Turn_Hz / tone.From_Hz, s / half);
    return tone.Turn_Hz * std::pow(tone.To_Hz / tone.Turn_Hz, (s - half) / half);
}

// Removes the DC and anything below hearing with a one-pole high-pass.
void Block_Dc(std::vector<float>& v, int32_t rate) {
    const float r = std::exp(-Two_Pi * Dc_Cutoff_Hz / static_cast<float>(rate));
    float x_prev = 0, y = 0;
    for (float& x : v) {
        y = x - x_prev + r * y;
        x_prev = x;
        x = y;
    }
}

// Raised-cosine fades over the first and last few milliseconds, so the recording starts and
// ends on silence.
void Fade_Ends(std::vector<float>& v, int32_t rate) {
    const size_t n = std::min(v.size() / 2, static_cast<size_t>(Edge_Fade * rate));
    for (size_t i = 0; i < n; ++i) {
        const float g = 0.5f - 0.5f * std::cos(static_cast<float>(Pi) * i / static_cast<float>(n));
        v[i] *= g;
        v[v.size() - 1 - i] *= g;
    }
}

// Bends everything above the knee smoothly towards the ceiling; below it nothing changes.
float Soft_Knee(float x, float ceiling) {
    const float a = std::fabs(x), knee = ceiling * Knee_Share;
    if (a <= knee) return x;
    const float bent = knee + (ceiling - knee) * std::tanh((a - knee) / (ceiling - knee));
    return x < 0 ? -bent : bent;
}

}  // namespace

Track Make_Track(const zarvo::Wave_Spec& entry) {
    Track t;
    t.Rate = entry.Rate;
    const size_t samples =
        static_cast<size_t>((static_cast<int64_t>(entry.Rate) * entry.Length_Ms + 500) / 1000);
    t.Left.assign(samples, 0.0f);
    if (entry.Channels == 2) t.Right.assign(samples, 0.0f);
    return t;
}

void Add_Tone(Track& t, const Tone& tone) {
    const size_t first = Sample_At(t, tone.Start);
    const size_t last = std::min(t.Left.size(), Sample_At(t, tone.Start + tone.Length));
    const float attack = std::max(tone.Attack, Shortest_Attack);
    const float release = std::max(tone.Release, Shortest_Release);
    const float rate = static_cast<float>(t.Rate);
    double phase = 0;
    for (size_t i = first; i < last; ++i) {
        const float s = static_cast<float>(i - first) / rate;
        float hz = Pitch_At(tone, s);
        if (tone.Vibrato_Hz > 0)
            hz *= 1.0f + tone.Vibrato_Depth * std::sin(Two_Pi * tone.Vibrato_Hz * s);
        phase += hz / rate;
        phase -= std::floor(phase);
        const float env = Envelope(s, tone.Length, attack, release, tone.Decay);
        const float v = Band_Limited(tone.Shape, phase, hz, rate, tone.Brightness);
        Mix_In(t, i, tone.Volume * env * v, tone.Pan);
    }
}

void Add_Noise(Track& t, const Noise& noise, Gen_Rng& rng) {
    const size_t first = Sample_At(t, noise.Start);
    const size_t last = std::min(t.Left.size(), Sample_At(t, noise.Start + noise.Length));
    const float ratio = noise.To_Cutoff / noise.From_Cutoff;
    const float attack = std::max(noise.Attack, Shortest_Attack);
    const float rate = static_cast<float>(t.Rate);
    const float above = noise.Above_Hz > 0 ? 1.0f - std::exp(-Two_Pi * noise.Above_Hz / rate) : 0;
    float low = 0, lower = 0, under = 0;
    for (size_t i = first; i < last; ++i) {
        const float s = static_cast<float>(i - first) / rate;
        const float cutoff = noise.From_Cutoff * std::pow(ratio, s / noise.Length);
        const float a = 1.0f - std::exp(-Two_Pi * std::min(cutoff, rate * 0.45f) / rate);
        low += a * (rng.range(-1.0f, 1.0f) - low);
        lower += a * (low - lower);        // two poles for a darker rumble
        under += above * (lower - under);  // what the high-pass takes away
        const float env = Envelope(s, noise.Length, attack,
                                   std::max(noise.Release, Shortest_Release), noise.Decay);
        Mix_In(t, i, noise.Volume * env * (lower - under) * 2.5f, noise.Pan);
    }
}

void Add_Crackle(Track& t, const Crackle& crackle, Gen_Rng& rng) {
    const size_t first = Sample_At(t, crackle.Start);
    const size_t last = std::min(t.Left.size(), Sample_At(t, crackle.Start + crackle.Length));
    const float rate = static_cast<float>(t.Rate);
    const float a = 1.0f - std::exp(-Two_Pi * std::min(crackle.Cutoff, rate * 0.45f) / rate);
    float spark = 0, fall = 1, low = 0;
    for (size_t i = first; i < last; ++i) {
        const float s = static_cast<float>(i - first) / rate;
        const float density = crackle.Sparks_Per_Second * std::exp2(-s / crackle.Thinning);
        if (rng.unit() < density / rate) {
            const float u = rng.unit();
            // Late sparks are weaker as well as rarer: the spray thins out, it does not end
            // in lone pops.
            const float strength = std::exp2(-s / (2.0f * crackle.Thinning));
            spark = std::max(spark, (0.25f + 0.75f * u * u) * strength);
            const float length = crackle.Spark_Length * rng.range(0.4f, 1.6f);
            fall = std::exp(-1.0f / (length * rate));
        }
        low += a * (rng.range(-1.0f, 1.0f) - low);
        const float env = Envelope(s, crackle.Length, Shortest_Attack, 0.01f, 0);
        Mix_In(t, i, crackle.Volume * env * spark * low * 2.0f, 0);
        spark *= fall;
    }
}

void Add_Thump(Track& t, float start, float from_hz, float to_hz, float volume, float decay) {
    Tone thump;
    thump.Start = start;
    thump.Length = std::min(t.Seconds() - start, decay * 7);
    thump.From_Hz = from_hz;
    thump.To_Hz = to_hz;
    thump.Volume = volume;
    thump.Attack = 0.003f;
    thump.Release = std::min(0.05f, thump.Length / 3);
    thump.Decay = decay;
    Add_Tone(t, thump);
}

void Add_Bell(Track& t, float start, float hz, float volume, float decay) {
    const float partials[][4] = {{1.0f, 1.0f, 1.0f, 0.003f},
                                 {2.76f, 0.35f, 0.5f, 0.004f},
                                 {5.4f, 0.12f, 0.3f, 0.005f},
                                 {2.0f, 0.3f, 0.8f, 0.004f}};
    for (const auto& p : partials) {
        Tone tone;
        tone.Start = start;
        tone.Length = std::max(0.05f, t.Seconds() - start);
        tone.From_Hz = tone.To_Hz = hz * p[0];
        tone.Volume = volume * p[1];
        tone.Decay = decay * p[2];
        tone.Attack = p[3];
        Add_Tone(t, tone);
    }
}

namespace {

// Brings the finished track to the loudness `target` (its loudest 100 ms, ear-weighted): the
// soft knee takes a little off the loudest moments, so the gain is found again after it.
float Loudness_Gain(const Track& t, float target, float ceiling) {
    std::vector<std::vector<float>> channels = {t.Left};
    if (!t.Right.empty()) channels.push_back(t.Right);
    float gain = 1.0f;
    float peak = 0;
    for (const std::vector<float>& ch : channels)
        for (float v : ch) peak = std::max(peak, std::fabs(v));
    std::vector<std::vector<float>> bent = channels;
    for (int pass = 0; pass < 6; ++pass) {
        for (size_t ch = 0; ch < channels.size(); ++ch)
            for (size_t i = 0; i < channels[ch].size(); ++i)
                bent[ch][i] = Soft_Knee(channels[ch][i] * gain, ceiling);
        const double loudness = Short_Term_Loudness(bent, t.Rate);
        // Silence stays silence; within 0.02 dB is there.
        if (loudness < -150 || std::fabs(target - loudness) < 0.02) break;
        gain *= static_cast<float>(std::pow(10.0, (target - loudness) / 20.0));
        if (peak * gain <= ceiling * Knee_Share) break;  // nothing bent: the gain is exact
    }
    return gain;
}

// Rounds to 8 bits with triangular dither of one step either way, so that quiet passages and
// fades keep their shape instead of turning into stairs and buzz. The dither follows the
// sound's own level down, and digital silence stays silent.
struct Eight_Bit_Dither {
    Gen_Rng rng{0x8B17u};
    float level = 0;
    float fall = 0;
    explicit Eight_Bit_Dither(int32_t rate) : fall(std::exp(-1.0f / (0.02f * rate))) {}
    uint8_t operator()(float v) {
        level = std::max(std::fabs(v) * 127.0f, level * fall);
        const float amount = std::min(1.0f, level);
        const float noise = (rng.unit() - rng.unit()) * amount;
        return static_cast<uint8_t>(std::clamp(std::lround(128.0f + v * 127.0f + noise), 0l, 255l));
    }
};

}  // namespace

void Release_End(Track& t, float seconds) {
    const size_t n = std::min(t.Left.size(), Sample_At(t, seconds));
    for (size_t i = 0; i < n; ++i) {
        const float g = 0.5f - 0.5f * std::cos(static_cast<float>(Pi) * i / static_cast<float>(n));
        t.Left[t.Left.size() - 1 - i] *= g;
        if (!t.Right.empty()) t.Right[t.Right.size() - 1 - i] *= g;
    }
}

zarvo::Sound To_Sound(Track& t, const zarvo::Wave_Spec& entry, float loudness, float ceiling) {
    for (std::vector<float>* v : {&t.Left, &t.Right}) {
        if (v->empty()) continue;
        Block_Dc(*v, t.Rate);
        Fade_Ends(*v, t.Rate);
    }
    const float gain = Loudness_Gain(t, loudness, ceiling);
    zarvo::Sound sound;
    sound.Rate = entry.Rate;
    sound.Bits = entry.Bits;
    sound.Channels = entry.Channels;
    std::vector<Eight_Bit_Dither> dither(2, Eight_Bit_Dither(entry.Rate));
    for (size_t i = 0; i < t.Left.size(); ++i)
        for (int ch = 0; ch < entry.Channels; ++ch) {
            const float v = Soft_Knee((ch == 0 ? t.Left[i] : t.Right[i]) * gain, ceiling);
            if (entry.Bits == 8) {
                sound.Data.push_back(dither[static_cast<size_t>(ch)](v));
            } else {
                const int16_t s = static_cast<int16_t>(std::lround(v * 32767.0f));
                sound.Data.push_back(static_cast<uint8_t>(s & 0xFF));
                sound.Data.push_back(static_cast<uint8_t>((s >> 8) & 0xFF));
            }
        }
    return sound;
}

}  // namespace assetgen
