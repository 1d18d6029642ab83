#include "synth.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

constexpr float Two_Pi = 6.28318531f;

float Shape_Value(Wave_Shape shape, float phase) {
    const float f = phase - std::floor(phase);
    switch (shape) {
        case Wave_Shape::Sine:
            return std::sin(Two_Pi * f);
        case Wave_Shape::Square:
            return f < 0.5f ? 0.8f : -0.8f;
        case Wave_Shape::Saw:
            return 1.6f * f - 0.8f;
        case Wave_Shape::Triangle:
            return f < 0.5f ? 4 * f - 1 : 3 - 4 * f;
    }
    return 0;
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

}  // namespace

Track Make_Track(const zarvo::WaveSpec& entry) {
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
    const float ratio = tone.To_Hz / tone.From_Hz;
    float phase = 0;
    for (size_t i = first; i < last; ++i) {
        const float s = static_cast<float>(i - first) / static_cast<float>(t.Rate);
        float hz = tone.From_Hz * std::pow(ratio, s / tone.Length);
        if (tone.Vibrato_Hz > 0)
            hz *= 1.0f + tone.Vibrato_Depth * std::sin(Two_Pi * tone.Vibrato_Hz * s);
        phase += hz / static_cast<float>(t.Rate);
        const float env = Envelope(s, tone.Length, tone.Attack, tone.Release, tone.Decay);
        Mix_In(t, i, tone.Volume * env * Shape_Value(tone.Shape, phase), tone.Pan);
    }
}

void Add_Noise(Track& t, const Noise& noise, Gen_Rng& rng) {
    const size_t first = Sample_At(t, noise.Start);
    const size_t last = std::min(t.Left.size(), Sample_At(t, noise.Start + noise.Length));
    const float ratio = noise.To_Cutoff / noise.From_Cutoff;
    float low = 0, lower = 0;
    const float spark_chance = noise.Crackle * 1000.0f / static_cast<float>(t.Rate);
    for (size_t i = first; i < last; ++i) {
        const float s = static_cast<float>(i - first) / static_cast<float>(t.Rate);
        const float cutoff = noise.From_Cutoff * std::pow(ratio, s / noise.Length);
        const float a = 1.0f - std::exp(-Two_Pi * cutoff / static_cast<float>(t.Rate));
        float white = rng.range(-1.0f, 1.0f);
        if (spark_chance > 0 && rng.unit() < spark_chance) white *= 3.0f;
        low += a * (white - low);
        lower += a * (low - lower);  // two poles for a darker rumble
        const float env = Envelope(s, noise.Length, noise.Attack, 0.01f, noise.Decay);
        Mix_In(t, i, noise.Volume * env * lower * 2.5f, 0);
    }
}

void Add_Bell(Track& t, float start, float hz, float volume, float decay) {
    const float partials[][3] = {
        {1.0f, 1.0f, 1.0f}, {2.76f, 0.45f, 0.5f}, {5.4f, 0.25f, 0.3f}, {2.0f, 0.3f, 0.8f}};
    for (const auto& p : partials) {
        Tone tone;
        tone.Start = start;
        tone.Length = std::max(0.05f, t.Seconds() - start);
        tone.From_Hz = tone.To_Hz = hz * p[0];
        tone.Volume = volume * p[1];
        tone.Decay = decay * p[2];
        tone.Attack = 0.002f;
        Add_Tone(t, tone);
    }
}

zarvo::Sound To_Sound(Track& t, const zarvo::WaveSpec& entry, float peak) {
    float loudest = 1e-6f;
    for (float v : t.Left) loudest = std::max(loudest, std::fabs(v));
    for (float v : t.Right) loudest = std::max(loudest, std::fabs(v));
    const float gain = peak / loudest;
    zarvo::Sound sound;
    sound.Rate = entry.Rate;
    sound.Bits = entry.Bits;
    sound.Channels = entry.Channels;
    for (size_t i = 0; i < t.Left.size(); ++i)
        for (int ch = 0; ch < entry.Channels; ++ch) {
            const float v = std::clamp((ch == 0 ? t.Left[i] : t.Right[i]) * gain, -1.0f, 1.0f);
            if (entry.Bits == 8) {
                sound.Data.push_back(static_cast<uint8_t>(std::lround(128.0f + v * 127.0f)));
            } else {
                const int16_t s = static_cast<int16_t>(std::lround(v * 32767.0f));
                sound.Data.push_back(static_cast<uint8_t>(s & 0xFF));
                sound.Data.push_back(static_cast<uint8_t>((s >> 8) & 0xFF));
            }
        }
    return sound;
}

}  // namespace assetgen
