#include "sounds.h"

#include <cmath>

#include "synth.h"

namespace assetgen {

namespace {

using namespace zarvo;

// A blast: a bright crack, a roaring body that darkens as it dies, a deep thump under it,
// and for the big ones a long low rumble.
void Explosion(Track& t, Gen_Rng& rng, float size, float brightness) {
    const float len = t.Seconds();
    Add_Noise(t, {0.0f, 0.08f, 0.6f, 6000 * brightness, 2500, 0.001f, 0.03f, 0}, rng);
    Add_Noise(t, {0.005f, len, 1.0f, 2200 * brightness, 90, 0.01f, len * 0.28f * size, 0.3f}, rng);
    Add_Noise(t, {0.02f, len, 0.7f, 260, 60, 0.04f, len * 0.45f, 0}, rng);
    Tone thump;
    thump.Length = std::min(len, 0.6f * size);
    thump.From_Hz = 75;
    thump.To_Hz = 32;
    thump.Volume = 0.6f;
    thump.Decay = 0.18f * size;
    Add_Tone(t, thump);
}

void Cracker(Track& t, Gen_Rng& rng) {
    const float pops[] = {0.0f, 0.045f, 0.11f, 0.15f};
    for (float at : pops) Add_Noise(t, {at, 0.07f, 0.9f, 7000, 1500, 0.0005f, 0.012f, 0}, rng);
}

void Laser_Zap(Track& t, float start, float length, float from, float to, float volume) {
    Tone zap;
    zap.Start = start;
    zap.Length = length;
    zap.From_Hz = from;
    zap.To_Hz = to;
    zap.Volume = volume;
    zap.Shape = Wave_Shape::Saw;
    zap.Decay = length * 0.7f;
    Add_Tone(t, zap);
    zap.Shape = Wave_Shape::Sine;
    zap.From_Hz *= 1.5f;
    zap.To_Hz *= 1.5f;
    zap.Volume *= 0.6f;
    Add_Tone(t, zap);
}

void Laser_Fire(Track& t) {
    for (int k = 0; k < 4; ++k) Laser_Zap(t, 0.35f * k, 0.32f, 1700, 220, 0.6f - 0.1f * k);
}

// An alarm: two alternating tones with a hard edge, pulsing.
void Danger(Track& t) {
    const float beat = 0.395f;
    for (int k = 0; k * beat < t.Seconds() - 0.05f; ++k) {
        Tone horn;
        horn.Start = k * beat;
        horn.Length = beat * 0.92f;
        horn.From_Hz = horn.To_Hz = (k % 2 == 0) ? 587 : 440;
        horn.Shape = Wave_Shape::Square;
        horn.Volume = 0.45f;
        horn.Release = 0.04f;
        horn.Vibrato_Hz = 7;
        horn.Vibrato_Depth = 0.01f;
        Add_Tone(t, horn);
        horn.Shape = Wave_Shape::Sine;
        horn.From_Hz = horn.To_Hz = horn.From_Hz * 2;
        horn.Volume = 0.25f;
        Add_Tone(t, horn);
    }
}

// A siren wailing up and down once.
void Warning(Track& t) {
    Tone up;
    up.Length = t.Seconds() / 2;
    up.From_Hz = 520;
    up.To_Hz = 1250;
    up.Volume = 0.5f;
    up.Shape = Wave_Shape::Triangle;
    up.Release = 0;
    Add_Tone(t, up);
    Tone down = up;
    down.Start = up.Length;
    down.From_Hz = 1250;
    down.To_Hz = 520;
    down.Attack = 0;
    down.Release = 0.05f;
    Add_Tone(t, down);
}

void Step(Track& t, Gen_Rng& rng) {
    Tone thud;
    thud.Length = t.Seconds();
    thud.From_Hz = 150;
    thud.To_Hz = 70;
    thud.Volume = 0.7f;
    thud.Attack = 0.001f;
    thud.Decay = 0.02f;
    Add_Tone(t, thud);
    Add_Noise(t, {0.0f, 0.02f, 0.4f, 3000, 800, 0.0005f, 0.006f, 0}, rng);
}

// A crisp tick and a short glassy ring after it.
void Click(Track& t, Gen_Rng& rng) {
    Add_Noise(t, {0.0f, 0.012f, 0.9f, 8000, 5000, 0.0003f, 0.003f, 0}, rng);
    Add_Bell(t, 0.004f, 1760, 0.35f, 0.05f);
}

// "No": a low, rasping double buzz falling in pitch.
void No(Track& t) {
    const float parts[][3] = {{0.0f, 0.26f, 150}, {0.32f, 0.34f, 112}};
    for (const auto& p : parts) {
        Tone buzz;
        buzz.Start = p[0];
        buzz.Length = p[1];
        buzz.From_Hz = p[2];
        buzz.To_Hz = p[2] * 0.9f;
        buzz.Volume = 0.55f;
        buzz.Shape = Wave_Shape::Square;
        buzz.Release = 0.05f;
        Add_Tone(t, buzz);
        buzz.Shape = Wave_Shape::Saw;
        buzz.From_Hz *= 1.01f;
        buzz.Volume = 0.35f;
        Add_Tone(t, buzz);
    }
}

// A magazine sliding home: two metal clacks and a rising whine of charging.
void Reload(Track& t, Gen_Rng& rng) {
    Add_Noise(t, {0.0f, 0.05f, 0.8f, 5000, 1800, 0.0005f, 0.015f, 0}, rng);
    Add_Noise(t, {0.22f, 0.06f, 0.9f, 4200, 1500, 0.0005f, 0.02f, 0}, rng);
    Tone charge;
    charge.Start = 0.04f;
    charge.Length = 0.3f;
    charge.From_Hz = 400;
    charge.To_Hz = 1800;
    charge.Volume = 0.25f;
    charge.Shape = Wave_Shape::Triangle;
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

// A rumbling bass riff over a low roar, with a kick on every beat.
void Rocky(Track& t, Gen_Rng& rng) {
    const float riff[] = {82.4f, 82.4f, 98.0f, 82.4f,  110.0f, 98.0f,  82.4f, 73.4f,
                          82.4f, 82.4f, 98.0f, 110.0f, 123.5f, 110.0f, 98.0f, 82.4f};
    const float step = 0.18f;
    for (int k = 0; k * step < t.Seconds() - 0.1f; ++k) {
        Tone bass;
        bass.Start = k * step;
        bass.Length = step * 0.9f;
        bass.From_Hz = bass.To_Hz = riff[k % 16];
        bass.Volume = 0.45f;
        bass.Shape = Wave_Shape::Square;
        bass.Decay = 0.25f;
        Add_Tone(t, bass);
        if (k % 2 == 0) {
            Tone kick;
            kick.Start = k * step;
            kick.Length = 0.15f;
            kick.From_Hz = 110;
            kick.To_Hz = 40;
            kick.Volume = 0.6f;
            kick.Decay = 0.05f;
            Add_Tone(t, kick);
        }
    }
    Add_Noise(t, {0.0f, t.Seconds(), 0.35f, 180, 120, 0.4f, 0.0f, 0.0f}, rng);
}

void Compose(int index, Track& t, Gen_Rng& rng) {
    switch (index) {
        case Wave::Explosion_1:
            return Explosion(t, rng, 1.0f, 0.8f);
        case Wave::Cracker:
            return Cracker(t, rng);
        case Wave::LaserFire_1:
            return Laser_Fire(t);
        case Wave::Danger:
            return Danger(t);
        case Wave::Warning:
            return Warning(t);
        case Wave::Laser:
            return Laser_Zap(t, 0.0f, t.Seconds(), 2600, 180, 0.7f);
        case Wave::Step:
            return Step(t, rng);
        case Wave::Explosion_2:
            return Explosion(t, rng, 0.9f, 1.0f);
        case Wave::Click:
            return Click(t, rng);
        case Wave::Explose_3:
            return Explosion(t, rng, 0.8f, 1.2f);
        case Wave::No:
            return No(t);
        case Wave::Reload:
            return Reload(t, rng);
        case Wave::Explose_4:
            return Explosion(t, rng, 1.0f, 1.4f);
        case Wave::Explose_5:
            return Explosion(t, rng, 0.8f, 0.7f);
        case Wave::FadenKreuz:
            return FadenKreuz(t);
        case Wave::Welcome:
            return Welcome(t);
        case Wave::Rocky:
            return Rocky(t, rng);
        case Wave::Explose_6:
            return Explosion(t, rng, 1.1f, 1.0f);
    }
}

}  // namespace

Sound Synthesise_Wave(int index, uint32_t seed) {
    const WaveSpec& entry = Wave_List[static_cast<size_t>(index)];
    Track t = Make_Track(entry);
    Gen_Rng rng(seed * 31u + static_cast<uint32_t>(index) + 7u);
    Compose(index, t, rng);
    return To_Sound(t, entry);
}

}  // namespace assetgen
