#include "sounds.h"

#include <algorithm>
#include <cmath>

#include "synth.h"

namespace assetgen {

namespace {

using namespace zarvo;

// How loud each wave is at its loudest 100 ms, as ears hear it (see loudness.h). The rare
// big moments lead (a hazard blown apart, the alarm at a level's start, the greeting); what
// plays all the time and piles up (shots, steps, small blasts, the Blaster's bursts, crackle,
// clicks) sits 10 dB under them, so that seven of one in a frame still do not drown a big
// one; the other cues lie between. The mixer sets the frequent waves further under the cues.
constexpr float Loud_Big = -10.0f;
constexpr float Loud_Cue = -13.0f;
constexpr float Loud_Busy_Cue =
    -13.0f;  // cues of the busiest levels, under the alerts that lead over them
constexpr float Loud_Middle = -15.0f;
constexpr float Loud_Frequent = -20.0f;
constexpr float Loud_Step = -21.5f;  // the footfall patters 21 times a second: softest of all
// The frequent waves also keep their peaks low: dozens of them sound at once in a busy level,
// and their pile-ups should still pass under the mixer's limiter.
constexpr float Frequent_Ceiling = 0.2f;  // -14 dB of full scale

// A big blast: a crack, a deep thump that falls in pitch, a roaring body that darkens as it
// dies, debris crackling through it and a low rumble after, all gone within Length; the rest
// of the recording is silence.
struct Blast {
    float Length;       // seconds until the last of it has died away
    float Thump_Hz;     // where the thump starts; it falls to a third of it
    float Thump;        // its weight
    float Body_Cutoff;  // how bright the roar starts
    float Body_Decay;   // seconds
    float Rumble;       // the tail's weight
    float Crackle;      // sparks per second at the start
};

void Big_Blast(Track& t, Gen_Rng& rng, const Blast& b) {
    const float len = b.Length;
    Add_Noise(t, {0.0f, 0.05f, 0.5f, 6000, 2500, 0.002f, 0.012f, 0}, rng);
    Add_Thump(t, 0.0f, b.Thump_Hz, b.Thump_Hz / 3, b.Thump, 0.16f);
    Add_Thump(t, 0.01f, b.Thump_Hz * 0.5f, b.Thump_Hz / 5, b.Thump * 0.6f, std::min(0.3f, len / 7));
    Noise body{0.004f, len, 0.9f, b.Body_Cutoff, 80, 0.006f, b.Body_Decay, 0};
    body.Release = len * 0.3f;
    Add_Noise(t, body, rng);
    Noise rumble{0.03f, len - 0.03f, b.Rumble, 400, 90, 0.08f, len * 0.3f, 0};
    rumble.Release = len * 0.4f;
    Add_Noise(t, rumble, rng);
    Crackle debris;
    debris.Start = 0.05f;
    debris.Length = len * 0.8f;
    debris.Volume = 0.45f;
    debris.Sparks_Per_Second = b.Crackle;
    debris.Thinning = len * 0.15f;
    debris.Cutoff = 3500;
    Add_Crackle(t, debris, rng);
}

// A blast that plays many times a second: a pop filtered into the band above the alerts, a
// body that falls in pitch under them, and a dark tail that decays away.
void Pop_Blast(Track& t, Gen_Rng& rng, float len, float body_hz) {
    Noise snap{0.0f, 0.05f, 0.8f, 3900, 3200, 0.002f, 0.012f, 0};
    snap.Above_Hz = 2600;
    Add_Noise(t, snap, rng);
    Add_Thump(t, 0.0f, body_hz, body_hz * 0.35f, 0.9f, 0.07f);
    Noise tail{0.01f, len, 0.45f, 700, 110, 0.01f, len * 0.3f, 0};
    tail.Release = len * 0.4f;
    Add_Noise(t, tail, rng);
}

// A small blast of `len` seconds: a sharp pop and a spray of crackle that thins out, hardly
// any low end.
void Small_Blast(Track& t, Gen_Rng& rng, float len, float pop_cutoff, float crackle,
                 float thinning) {
    Add_Noise(t, {0.0f, std::min(0.12f, len), 0.9f, pop_cutoff, 900, 0.002f, 0.035f, 0}, rng);
    Add_Thump(t, 0.0f, 190, 90, 0.35f, 0.035f);
    Crackle spray;
    spray.Length = len * 0.9f;
    spray.Volume = 0.8f;
    spray.Sparks_Per_Second = crackle;
    spray.Thinning = thinning;
    spray.Cutoff = 6000;
    spray.Spark_Length = 0.001f;
    Add_Crackle(t, spray, rng);
    Noise haze{0.02f, len * 0.6f, 0.25f, 1500, 300, 0.01f, thinning * 1.5f, 0};
    haze.Release = len * 0.2f;
    Add_Noise(t, haze, rng);
}

// Bright sparks high above the alerts' band, where a rate of 44.1 kHz has room.
void Sparkle(Track& t, Gen_Rng& rng, float len) {
    Crackle sparks;
    sparks.Start = 0.01f;
    sparks.Length = len;
    sparks.Volume = 0.35f;
    sparks.Sparks_Per_Second = 400;
    sparks.Thinning = len * 0.25f;
    sparks.Cutoff = 14000;
    sparks.Spark_Length = 0.0006f;
    Add_Crackle(t, sparks, rng);
}

// Four quick pops within a tenth of a second, each a snap of bright noise with a spark after.
void Cracker(Track& t, Gen_Rng& rng) {
    const float pops[] = {0.0f, 0.035f, 0.08f, 0.11f};
    for (float at : pops) {
        Noise snap{at, 0.04f, 0.9f, 10000, 5000, 0.002f, 0.008f, 0};
        snap.Above_Hz = 3000;  // above the alerts' band, where the rate has room
        Add_Noise(t, snap, rng);
        Crackle spark;
        spark.Start = at + 0.004f;
        spark.Length = 0.035f;
        spark.Volume = 0.5f;
        spark.Sparks_Per_Second = 600;
        spark.Thinning = 0.012f;
        spark.Spark_Length = 0.0008f;
        spark.Cutoff = 10000;
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
    zap.Attack = 0.012f;  // a soft start: no hard edge in every shot
    zap.Release = 0.04f;
    zap.Decay = length * 0.6f;
    Add_Tone(t, zap);
    zap.Shape = Wave_Shape::Sine;
    zap.From_Hz *= 1.5f;
    zap.To_Hz *= 1.5f;
    zap.Volume *= 0.5f;
    Add_Tone(t, zap);
}

// The Clipper's arms reaching out: a servo whirring up and settling, then the clank of the
// grip closing, a knock and a short metallic ring. All over in under a second.
void Servo_Clank(Track& t, Gen_Rng& rng) {
    Tone servo;
    servo.Length = 0.32f;
    servo.From_Hz = 210;
    servo.Turn_Hz = 340;
    servo.To_Hz = 290;
    servo.Volume = 0.35f;
    servo.Shape = Wave_Shape::Square;
    servo.Brightness = 1100;
    servo.Attack = 0.02f;
    servo.Release = 0.04f;
    servo.Vibrato_Hz = 30;  // the motor's whirr
    servo.Vibrato_Depth = 0.03f;
    Add_Tone(t, servo);
    servo.Shape = Wave_Shape::Saw;
    servo.From_Hz *= 2, servo.Turn_Hz *= 2, servo.To_Hz *= 2;
    servo.Volume = 0.1f;
    Add_Tone(t, servo);
    const float clank = 0.33f;
    Add_Noise(t, {clank, 0.04f, 0.8f, 3800, 1500, 0.002f, 0.008f, 0}, rng);
    Add_Thump(t, clank, 170, 110, 0.3f, 0.03f);
    Add_Bell(t, clank + 0.003f, 610, 0.35f, 0.09f);
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
    wail.Release = 0.2f;  // dies away rather than stopping
    Add_Tone(t, wail);
    wail.Shape = Wave_Shape::Square;
    wail.Brightness = 1800;
    wail.Volume = 0.15f;
    Add_Tone(t, wail);
    Release_End(t, 0.2f);
}

// The footfall: a soft tick of muffled noise on a tiny low knock, gone within 20 ms so the
// steps of a walk stay separate instead of buzzing.
void Step(Track& t, Gen_Rng& rng) {
    Add_Noise(t, {0.0f, 0.03f, 0.5f, 1200, 500, 0.004f, 0.004f, 0}, rng);
    Add_Thump(t, 0.0f, 150, 90, 0.3f, 0.008f);
}

// A crisp tick and a short glassy ring after it.
void Click(Track& t, Gen_Rng& rng) {
    Noise tick{0.0f, 0.012f, 0.9f, 10000, 6000, 0.002f, 0.003f, 0};
    tick.Above_Hz = 3000;
    Add_Noise(t, tick, rng);
    Add_Bell(t, 0.004f, 3520, 0.35f, 0.06f);
}

// "No", the sound of being hurt: one short falling buzz of 180 ms. It repeats every 21
// frames while a hit lasts, so it must be over well before it comes again.
void No(Track& t) {
    Tone buzz;
    buzz.Length = 0.18f;
    buzz.From_Hz = 310;
    buzz.To_Hz = 200;
    buzz.Volume = 0.5f;
    buzz.Shape = Wave_Shape::Square;
    buzz.Brightness = 1200;
    buzz.Attack = 0.005f;
    buzz.Release = 0.05f;
    buzz.Decay = 0.16f;
    Add_Tone(t, buzz);
    buzz.Shape = Wave_Shape::Saw;
    buzz.From_Hz *= 1.01f;
    buzz.To_Hz *= 1.01f;
    buzz.Volume = 0.25f;
    Add_Tone(t, buzz);
}

// A magazine sliding home: two metal clacks and a rising whine of charging.
void Reload(Track& t, Gen_Rng& rng) {
    Add_Noise(t, {0.0f, 0.05f, 0.8f, 9000, 3000, 0.002f, 0.015f, 0}, rng);
    Add_Noise(t, {0.22f, 0.06f, 0.9f, 8000, 2500, 0.002f, 0.02f, 0}, rng);
    Tone charge;
    charge.Start = 0.04f;
    charge.Length = 0.3f;
    charge.From_Hz = 400;
    charge.To_Hz = 1800;
    charge.Volume = 0.25f;
    charge.Shape = Wave_Shape::Triangle;
    charge.Release = 0.03f;
    Add_Tone(t, charge);
    Add_Bell(t, 0.23f, 4800, 0.2f, 0.04f);
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

// A bright rising arpeggio of bells, the last one released over the final 200 ms.
void Welcome(Track& t) {
    const float notes[] = {523.25f, 659.25f, 783.99f, 1046.5f};
    for (int k = 0; k < 4; ++k) Add_Bell(t, 0.11f * k, notes[k], 0.45f, 0.25f);
    Release_End(t, 0.2f);
}

// The lost life: a machine running down in three falling sweeps, each lower and longer than
// the one before, over a hiss that sinks with them; in the middle range, where a small
// speaker still plays it, and gone within two seconds, before the crosshair and the alarm of
// the figure's return call.
void Rocky(Track& t, Gen_Rng& rng) {
    const float sweeps[][4] = {
        {0.0f, 0.45f, 900, 420}, {0.4f, 0.55f, 700, 260}, {0.9f, 0.9f, 520, 170}};
    for (const auto& w : sweeps) {
        Tone down;
        down.Start = w[0];
        down.Length = w[1];
        down.From_Hz = w[2];
        down.To_Hz = w[3];
        down.Volume = 0.4f;
        down.Shape = Wave_Shape::Saw;
        down.Brightness = 1800;
        down.Attack = 0.01f;
        down.Release = w[1] * 0.35f;
        down.Decay = w[1] * 0.8f;
        down.Vibrato_Hz = 7;
        down.Vibrato_Depth = 0.02f;
        Add_Tone(t, down);
        down.Shape = Wave_Shape::Sine;  // a fifth above gives it a hollow, electric ring
        down.From_Hz *= 1.5f, down.To_Hz *= 1.5f;
        down.Volume = 0.15f;
        Add_Tone(t, down);
    }
    Noise hiss{0.0f, 1.8f, 0.3f, 3000, 350, 0.05f, 0.6f, 0};
    hiss.Release = 0.6f;
    Add_Noise(t, hiss, rng);
    Crackle sparks;
    sparks.Length = 1.0f;
    sparks.Volume = 0.3f;
    sparks.Sparks_Per_Second = 80;
    sparks.Thinning = 0.4f;
    sparks.Cutoff = 3000;
    Add_Crackle(t, sparks, rng);
}

// Composes the wave and answers its loudness. Every catalogue length is kept; where a sound
// is over sooner, the recording ends in silence.
float Compose(int index, Track& t, Gen_Rng& rng) {
    switch (index) {
        case Wave::Explosion_1:  // the Blaster's flame bursts into stars, up to 13 a second
            Pop_Blast(t, rng, 0.5f, 95);
            return Loud_Frequent;
        case Wave::Cracker:  // a flame hits the edge, the Orbiter's stars go out
            Cracker(t, rng);
            return Loud_Frequent;
        case Wave::LaserFire_1:  // the Clipper's arms
            Servo_Clank(t, rng);
            return Loud_Busy_Cue;
        case Wave::Danger:
            Danger(t);
            return Loud_Big;
        case Wave::Warning:
            Warning(t);
            return Loud_Cue;
        case Wave::Laser:  // every shot, the player's and the enemies': over in 150 ms
            Laser_Zap(t, 0.0f, 0.15f, 3600, 1500, 0.7f);
            return Loud_Frequent;
        case Wave::Step:
            Step(t, rng);
            return Loud_Step;
        case Wave::Explosion_2:  // the Orbiter throws its stars: four pops, 10 frames apart
            Small_Blast(t, rng, 0.4f, 5000, 900, 0.06f);
            return Loud_Busy_Cue;
        case Wave::Click:
            Click(t, rng);
            return Loud_Frequent;
        case Wave::Explose_3:  // the kill sequence's blast, shrapnel, fuses, bombs landing
            Small_Blast(t, rng, 0.35f, 4000, 700, 0.05f);
            Add_Thump(t, 0.005f, 130, 45, 0.8f, 0.09f);  // a body under the spray
            return Loud_Frequent;
        case Wave::No:
            No(t);
            return Loud_Cue;
        case Wave::Reload:
            Reload(t, rng);
            return Loud_Middle;
        case Wave::Explose_4:  // a hit that kills, a star shot bursting: short and punchy
            Big_Blast(t, rng, {0.55f, 120, 0.7f, 4000, 0.12f, 0.15f, 250});
            Sparkle(t, rng, 0.4f);
            return Loud_Cue;
        case Wave::Explose_5:  // bombs and enemy shots bursting, many a second
            Pop_Blast(t, rng, 0.3f, 150);
            return Loud_Frequent;
        case Wave::FadenKreuz:
            FadenKreuz(t);
            return Loud_Middle;
        case Wave::Welcome:
            Welcome(t);
            return Loud_Big;
        case Wave::Rocky:
            Rocky(t, rng);  // a life lost: as big a moment as any
            return Loud_Big;
        case Wave::Explose_6:  // a hazard blown apart: the biggest of all
            Big_Blast(t, rng, {2.0f, 65, 1.0f, 1800, 0.7f, 0.8f, 90});
            return Loud_Big;
    }
    return Loud_Middle;
}

}  // namespace

Sound Synthesise_Wave(int index, uint32_t seed) {
    const Wave_Spec& entry = Wave_List[static_cast<size_t>(index)];
    Track t = Make_Track(entry);
    Gen_Rng rng(seed * 31u + static_cast<uint32_t>(index) + 7u);
    const float loudness = Compose(index, t, rng);
    Sound sound =
        To_Sound(t, entry, loudness, loudness <= Loud_Frequent ? Frequent_Ceiling : Wave_Ceiling);
    sound.Role = entry.Role;
    return sound;
}

}  // namespace assetgen
