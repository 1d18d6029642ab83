#pragma once
// The sound synthesiser: a float track of the catalogue's rate and length, a few voices
// (band-limited tones with sweeps, filtered noise bursts, crackle, bells) mixed into it, and
// the finish that every recording gets: no DC, silent ends, a loudness as ears hear it rather
// than a peak, a soft knee that keeps the loudest moments below full scale, and dither where
// the recording has only 8 bits.
#include <cstdint>
#include <vector>

#include "assets/catalogue.h"
#include "platform/media.h"
#include "random.h"

namespace assetgen {

struct Track {
    int32_t Rate = 0;
    std::vector<float> Left, Right;  // Right is used only by stereo tracks
    float Seconds() const { return static_cast<float>(Left.size()) / static_cast<float>(Rate); }
};

// An empty track with exactly the number of samples the catalogue's length asks for.
Track Make_Track(const zarvo::Wave_Spec& entry);

enum class Wave_Shape { Sine, Square, Saw, Triangle };

// Every tone is built from its harmonics, each only while it lies below half the sample rate,
// so a sweep never folds a partial back as an inharmonic whine.
struct Tone {
    float Start = 0, Length = 0.1f;    // seconds
    float From_Hz = 440, To_Hz = 440;  // exponential sweep
    float Turn_Hz = 0;                 // when set: From -> Turn in the first half, Turn -> To after
    float Volume = 0.5f;
    Wave_Shape Shape = Wave_Shape::Sine;
    float Brightness = 0;  // Hz where the harmonics start to roll off (12 dB an octave), 0 none
    float Attack = 0.004f, Release = 0.02f;   // seconds of fade in and out (at least 2 and 3 ms)
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
    float Pan = 0;
    float Release = 0.01f;  // seconds of fade out at its end
    float Above_Hz = 0;     // when set, a high-pass there too: a band instead of a low rumble
};
void Add_Noise(Track& t, const Noise& noise, Gen_Rng& rng);

// Crackle: short sparks of bright noise at random moments, thinning out and weakening as they
// go.
struct Crackle {
    float Start = 0, Length = 0.5f;
    float Volume = 0.5f;
    float Sparks_Per_Second = 200;  // at the start; halves every Thinning seconds
    float Thinning = 0.1f;
    float Cutoff = 5000;           // how bright a spark is
    float Spark_Length = 0.0015f;  // mean decay time of one spark
};
void Add_Crackle(Track& t, const Crackle& crackle, Gen_Rng& rng);

// A low thump: a sine falling in pitch under a fast decay, the body of a blast or a footfall.
void Add_Thump(Track& t, float start, float from_hz, float to_hz, float volume, float decay);

// A struck bell: a few inharmonic partials decaying at their own speeds.
void Add_Bell(Track& t, float start, float hz, float volume, float decay);

// Fades the last `seconds` of the track out smoothly, whatever still rings there.
void Release_End(Track& t, float seconds);

// The highest peak of a finished wave, unless it is held lower: -1 dB of full scale.
inline constexpr float Wave_Ceiling = 0.89f;

// Finishes the track and stores it in the catalogue's format (unsigned 8-bit with dither, or
// signed 16-bit little-endian; interleaved when stereo): the DC is filtered away, both ends
// fade from and to silence, the whole is scaled to `loudness` (its loudest 100 ms as ears hear
// it, see loudness.h) and the peaks above the knee are bent softly under `ceiling` (a fraction
// of full scale) instead of clipping.
zarvo::Sound To_Sound(Track& t, const zarvo::Wave_Spec& entry, float loudness,
                      float ceiling = Wave_Ceiling);

}  // namespace assetgen
