#include "sounds.h"

#include <algorithm>
#include <cmath>

#include "synth.h"

namespace assetgen {

namespace {

using namespace zarvo;

// How loud each recording is, as RMS over the whole of it in dB of full scale. The waves are
// balanced against each other by these levels, not by their peaks: the biggest blasts lead,
// the alerts sit below them, and what plays all the time (the step, the click, the shots)
// stays in the background.
constexpr float Level_Big_Blast = -17.0f;
constexpr float Level_Blast = -18.0f;
constexpr float Level_Small_Blast = -20.0f;
constexpr float Level_Shot = -20.0f;
constexpr float Level_Alert = -19.0f;
constexpr float Level_Jingle = -18.0f;
constexpr float Level_Click = -26.0f;
constexpr float Level_Step = -26.0f;

// A big blast: a crack, a deep thump that falls in pitch, a roaring body that darkens as it
// dies, debris crackling through it and a long low rumble after.
struct Blast {
    float Thump_Hz;     // where the thump starts; it falls to a third of it
    float Thump;        // its weight
    float Body_Cutoff;  // how bright the roar starts
    float Body_Decay;   // seconds
    float Rumble;       // the tail's weight
    float Crackle;      // sparks per second at the start
};

void Big_Blast(Track& t, Gen_Rng& rng, const Blast& b) {
    const float len = t.Seconds();
    Add_Noise(t, {0.0f, 0.05f, 0.5f, 6000, 2500, 0.002f, 0.012f, 0}, rng);
    Add_Thump(t, 0.0f, b.Thump_Hz, b.Thump_Hz / 3, b.Thump, 0.16f);
    Add_Thump(t, 0.01f, b.Thump_Hz * 0.5f, b.Thump_Hz / 5, b.Thump * 0.6f, 0.3f);
    Add_Noise(t, {0.004f, len, 0.9f, b.Body_Cutoff, 80, 0.006f, b.Body_Decay, 0}, rng);
    Add_Noise(t, {0.03f, len, b.Rumble, 220, 50, 0.08f, len * 0.35f, 0}, rng);
    Crackle debris;
    debris.Start = 0.05f;
    debris.Length = len * 0.8f;
    debris.Volume = 0.45f;
    debris.Sparks_Per_Second = b.Crackle;
    debris.Thinning = len * 0.18f;
    debris.Cutoff = 3500;
    Add_Crackle(t, debris, rng);
}

// A small blast: a sharp pop and a spray of crackle, hardly any low end.
void Small_Blast(Track& t, Gen_Rng& rng, float pop_cutoff, float crackle, float thinning) {
    const float len = t.Seconds();
    Add_Noise(t, {0.0f, 0.12f, 0.9f, pop_cutoff, 900, 0.002f, 0.035f, 0}, rng);
    Add_Thump(t, 0.0f, 190, 90, 0.35f, 0.035f);
    Crackle spray;
    spray.Length = len * 0.9f;
    spray.Volume = 0.8f;
    spray.Sparks_Per_Second = crackle;
    spray.Thinning = thinning;
    spray.Cutoff = 6000;
    spray.Spark_Length = 0.001f;
    Add_Crackle(t, spray, rng);
    Add_Noise(t, {0.02f, len * 0.6f, 0.25f, 1500, 300, 0.01f, thinning * 1.5f, 0}, rng);
}

// Four quick pops, each a snap of bright noise with a spark after it.
void Cracker(Track& t, Gen_Rng& rng) {
    const float pops[] = {0.0f, 0.045f, 0.11f, 0.15f};
    for (float at : pops) {
        Add_Noise(t, {at, 0.06f, 0.9f, 7000, 1800, 0.002f, 0.01f, 0}, rng);
        Crackle spark;
        spark.Start = at + 0.004f;
        spark.Length = 0.05f;
        spark.Volume = 0.5f;
        spark.Sparks_Per_Second = 600;
        spark.Thinning = 0.015f;
        spark.Spark_Length = 0.0008f;
        spark.Cutoff = 8000;
        Add_Crackle(t, spark, rng);
    }
}

// A zap: a falling band-limited saw with a fifth above it, bright at first, dulling as it falls.
void Laser_Zap(Track& t, float start, float length, float from, float to, float volume) {
    Tone zap;
    zap.Start = start;
    zap.Length = length;
    zap.From_Hz = from;
    zap.To_Hz = to;
    zap.Volume = volume;
    zap.Shape = Wave_Shape::Saw;
    zap.Brightness = 3000;
    zap.Attack = 0.003f;
    zap.Release = 0.04f;
    zap.Decay = length * 0.6f;
    Add_Tone(t, zap);
    zap.Shape = Wave_Shape::Sine;
    zap.From_Hz *= 1.5f;
    zap.To_Hz *= 1.5f;
    zap.Volume *= 0.5f;
    Add_Tone(t, zap);
}

void Laser_Fire(Track& t) {
    for (int k = 0; k < 4; ++k) Laser_Zap(t, 0.35f * k, 0.32f, 1700, 220, 0.6f - 0.1f * k);
}

// The alarm at every level start: a two-tone horn, rounded so it calls without rasping,
// pulsing with clear breaths between the notes and easing off over its last pulses.
void Danger(Track& t) {
    const float beat = 0.395f;
    const int pulses = static_cast<int>((t.Seconds() - 0.05f) / beat) + 1;
    for (int k = 0; k < pulses; ++k) {
        const float ease =
            k < pulses - 3 ? 1.0f : 1.0f - 0.22f * static_cast<float>(k - pulses + 4);
        Tone horn;
        horn.Start = k * beat;
        horn.Length = std::min(beat * 0.78f, t.Seconds() - horn.Start);
        horn.From_Hz = horn.To_Hz = (k % 2 == 0) ? 587 : 440;
        horn.Shape = Wave_Shape::Square;
        horn.Brightness = 1400;
        horn.Volume = 0.5f * ease;
        horn.Attack = 0.012f;
        horn.Release = 0.05f;
        horn.Vibrato_Hz = 6;
        horn.Vibrato_Depth = 0.008f;
        Add_Tone(t, horn);
        horn.Shape = Wave_Shape::Sine;  // an octave below gives the horn its body
        horn.From_Hz = horn.To_Hz = horn.From_Hz / 2;
        horn.Volume = 0.25f * ease;
        Add_Tone(t, horn);
    }
}

// A siren wailing up and down once, in one unbroken sweep.
void Warning(Track& t) {
    Tone wail;
    wail.Length = t.Seconds();
    wail.From_Hz = 520;
    wail.Turn_Hz = 1250;
    wail.To_Hz = 520;
    wail.Volume = 0.5f;
    wail.Shape = Wave_Shape::Triangle;
    wail.Attack = 0.01f;
    wail.Release = 0.06f;
    Add_Tone(t, wail);
    wail.Shape = Wave_Shape::Square;
    wail.Brightness = 1800;
    wail.Volume = 0.15f;
    Add_Tone(t, wail);
}

// The footfall: a soft tick of muffled noise on a tiny low knock, gone within 20 ms so the
// steps of a walk stay separate instead of buzzing.
void Step(Track& t, Gen_Rng& rng) {
    Add_Noise(t, {0.0f, 0.03f, 0.6f, 2500, 900, 0.002f, 0.004f, 0}, rng);
    Add_Thump(t, 0.0f, 180, 110, 0.25f, 0.008f);
}

// A crisp tick and a short glassy ring after it.
void Click(Track& t, Gen_Rng& rng) {
    Add_Noise(t, {0.0f, 0.012f, 0.9f, 8000, 5000, 0.002f, 0.003f, 0}, rng);
    Add_Bell(t, 0.004f, 1760, 0.35f, 0.06f);
}

// "No": two falling notes, low and buzzy enough to say no, soft enough not to hurt.
void No(Track& t) {
    const float parts[][3] = {{0.0f, 0.26f, 220}, {0.32f, 0.34f, 165}};
    for (const auto& p : parts) {
        Tone buzz;
        buzz.Start = p[0];
        buzz.Length = p[1];
        buzz.From_Hz = p[2];
        buzz.To_Hz = p[2] * 0.92f;
        buzz.Volume = 0.5f;
        buzz.Shape = Wave_Shape::Square;
        buzz.Brightness = 900;
        buzz.Attack = 0.008f;
        buzz.Release = 0.06f;
        Add_Tone(t, buzz);
        buzz.Shape = Wave_Shape::Saw;
        buzz.From_Hz *= 1.008f;
        buzz.To_Hz *= 1.008f;
        buzz.Volume = 0.25f;
        Add_Tone(t, buzz);
    }
}

// A magazine sliding home: two metal clacks and a rising whine of charging.
void Reload(Track& t, Gen_Rng& rng) {
    Add_Noise(t, {0.0f, 0.05f, 0.8f, 5000, 1800, 0.002f, 0.015f, 0}, rng);
    Add_Noise(t, {0.22f, 0.06f, 0.9f, 4200, 1500, 0.002f, 0.02f, 0}, rng);
    Tone charge;
    charge.Start = 0.04f;
    charge.Length = 0.3f;
    charge.From_Hz = 400;
    charge.To_Hz = 1800;
    charge.Volume = 0.25f;
    charge.Shape = Wave_Shape::Triangle;
    charge.Release = 0.03f;
    Add_Tone(t, charge);
    Add_Bell(t, 0.23f, 2400, 0.2f, 0.04f);
}

// The crosshair homing in: quickening blips that sweep from left to right.
void FadenKreuz(Track& t) {
    float at = 0.0f, gap = 0.16f;
    for (int k = 0; at < t.Seconds() - 0.06f; ++k) {
        Tone blip;
        blip.Start = at;
        blip.Length = 0.05f;
        blip.From_Hz = blip.To_Hz = 1100 + 60.0f * k;
        blip.Volume = 0.5f;
        blip.Shape = Wave_Shape::Square;
        blip.Brightness = 2500;
        blip.Attack = 0.003f;
        blip.Release = 0.015f;
        blip.Pan = -1.0f + 2.0f * at / t.Seconds();
        Add_Tone(t, blip);
        at += gap;
        gap = std::max(0.06f, gap * 0.85f);
    }
}

// A bright rising arpeggio of bells.
void Welcome(Track& t) {
    const float notes[] = {523.25f, 659.25f, 783.99f, 1046.5f};
    for (int k = 0; k < 4; ++k) Add_Bell(t, 0.11f * k, notes[k], 0.45f, 0.35f);
}

// The lost life: a rumbling bass riff over a low roar, with a kick on every other beat,
// fading away at the end.
void Rocky(Track& t, Gen_Rng& rng) {
    const float riff[] = {82.4f, 82.4f, 98.0f, 82.4f,  110.0f, 98.0f,  82.4f, 73.4f,
                          82.4f, 82.4f, 98.0f, 110.0f, 123.5f, 110.0f, 98.0f, 82.4f};
    const float step = 0.18f;
    const float fade_from = t.Seconds() - 0.8f;
    for (int k = 0; k * step < t.Seconds() - 0.1f; ++k) {
        const float at = k * step;
        const float fade = at < fade_from ? 1.0f : std::max(0.0f, 1.0f - (at - fade_from) / 0.8f);
        Tone bass;
        bass.Start = at;
        bass.Length = step * 0.9f;
        bass.From_Hz = bass.To_Hz = riff[k % 16];
        bass.Volume = 0.45f * fade;
        bass.Shape = Wave_Shape::Square;
        bass.Brightness = 700;
        bass.Attack = 0.004f;
        bass.Release = 0.02f;
        bass.Decay = 0.25f;
        Add_Tone(t, bass);
        if (k % 2 == 0) Add_Thump(t, at, 110, 40, 0.6f * fade, 0.05f);
    }
    Noise roar{0.0f, t.Seconds(), 0.35f, 180, 120, 0.4f, 0.0f, 0};
    roar.Release = 0.8f;
    Add_Noise(t, roar, rng);
}

// Composes the wave and answers its loudness level.
float Compose(int index, Track& t, Gen_Rng& rng) {
    switch (index) {
        case Wave::Explosion_1:  // the Blaster's flame bursts into stars
            Big_Blast(t, rng, {75, 1.1f, 1800, 0.8f, 0.7f, 120});
            return Level_Blast;
        case Wave::Cracker:
            Cracker(t, rng);
            return Level_Small_Blast;
        case Wave::LaserFire_1:
            Laser_Fire(t);
            return Level_Shot;
        case Wave::Danger:
            Danger(t);
            return Level_Alert;
        case Wave::Warning:
            Warning(t);
            return Level_Alert;
        case Wave::Laser:
            Laser_Zap(t, 0.0f, t.Seconds(), 2600, 180, 0.7f);
            return Level_Shot;
        case Wave::Step:
            Step(t, rng);
            return Level_Step;
        case Wave::Explosion_2:  // the Orbiter throws its stars: small pops in a row
            Small_Blast(t, rng, 5000, 900, 0.06f);
            return Level_Small_Blast;
        case Wave::Click:
            Click(t, rng);
            return Level_Click;
        case Wave::Explose_3:  // the kill sequence's blast, the Clipper's shrapnel
            Big_Blast(t, rng, {95, 0.6f, 3000, 0.3f, 0.3f, 400});
            return Level_Blast;
        case Wave::No:
            No(t);
            return Level_Alert;
        case Wave::Reload:
            Reload(t, rng);
            return Level_Jingle;
        case Wave::Explose_4:  // a hit that kills, a star shot bursting: short and punchy
            Big_Blast(t, rng, {120, 0.7f, 4000, 0.18f, 0.15f, 250});
            return Level_Small_Blast;
        case Wave::Explose_5:  // bombs and enemy shots bursting: crackle
            Small_Blast(t, rng, 3500, 500, 0.18f);
            return Level_Small_Blast;
        case Wave::FadenKreuz:
            FadenKreuz(t);
            return Level_Alert;
        case Wave::Welcome:
            Welcome(t);
            return Level_Jingle;
        case Wave::Rocky:
            Rocky(t, rng);
            return Level_Jingle;
        case Wave::Explose_6:  // a hazard blown apart: the biggest of all
            Big_Blast(t, rng, {65, 1.0f, 1800, 1.1f, 0.9f, 80});
            return Level_Big_Blast;
    }
    return Level_Blast;
}

}  // namespace

Sound Synthesise_Wave(int index, uint32_t seed) {
    const WaveSpec& entry = Wave_List[static_cast<size_t>(index)];
    Track t = Make_Track(entry);
    Gen_Rng rng(seed * 31u + static_cast<uint32_t>(index) + 7u);
    const float level = Compose(index, t, rng);
    return To_Sound(t, entry, level);
}

}  // namespace assetgen
