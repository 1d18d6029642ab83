#pragma once
// The sound synthesiser: a float track of the catalogue's rate and length, a few voices
// (tones with sweeps, filtered noise bursts, bells) mixed into it, and the conversion to the
// stored PCM format with the peak kept below full scale.
#include <cstdint>
#include <vector>

#include "random.h"
#include "assets/catalogue.h"
#include "platform/media.h"

namespace assetgen {

struct Track {
    int32_t Rate = 0;
    std::vector<float> Left, Right;  // Right is used only by stereo tracks
    float Seconds() const { return static_cast<float>(Left.size()) / static_cast<float>(Rate); }
};

// An empty track with exactly the number of samples the catalogue's length asks for.
Track Make_Track(const zarvo::WaveSpec& entry);

enum class Wave_Shape { Sine, Square, Saw, Triangle };

struct Tone {
    float Start = 0, Length = 0.1f;    // seconds
    float From_Hz = 440, To_Hz = 440;  // exponential sweep
    float Volume = 0.5f;
    Wave_Shape Shape = Wave_Shape::Sine;
    float Attack = 0.005f, Release = 0.02f;   // seconds of fade in and out
    float Decay = 0;                          // exponential decay time, 0 for none
    float Vibrato_Hz = 0, Vibrato_Depth = 0;  // depth as a fraction of the pitch
    float Pan = 0;                            // -1 left .. 1 right (stereo tracks)
};
void Add_Tone(Track& t, const Tone& tone);

struct Noise {
    float Start = 0, Length = 0.5f;
    float Volume = 0.5f;
    float From_Cutoff = 4000, To_Cutoff = 200;  // low-pass cutoff sweep in Hz
    float Attack = 0.002f, Decay = 0.3f;        // decay: exponential time constant
    float Crackle = 0;                          // 0..1: chance per millisecond of a loud spark
};
void Add_Noise(Track& t, const Noise& noise, Gen_Rng& rng);

// A struck bell: a few inharmonic partials decaying at their own speeds.
void Add_Bell(Track& t, float start, float hz, float volume, float decay);

// Scales the track so that its loudest sample is at peak, then stores it in the catalogue's
// format (unsigned 8-bit or signed 16-bit little-endian, interleaved when stereo).
zarvo::Sound To_Sound(Track& t, const zarvo::WaveSpec& entry, float peak = 0.88f);

}  // namespace assetgen
