#pragma once
// Loudness of a whole mix, as a listener hears a minute of play: how loud it is overall, how
// much it breathes, and whether the rare cues stand out of it. The wave meter holds single
// recordings to their levels; this holds the game's mix of them.
#include <cstdint>
#include <vector>

#include "platform/headless/headless_media.h"
#include "platform/media.h"

namespace wavemeter {

struct Mix_Figures {
    double Integrated = -200;  // LUFS: the gated mean loudness of 400 ms blocks
    double Range = 0;          // LU: from the 10th to the 95th percentile of 3 s loudness
};

// Blocks of 400 ms every 100 ms, gated at -70 LUFS and then 10 LU under their mean, give the
// integrated loudness; windows of 3 s every 100 ms, gated at -70 and then 20 LU under their
// mean, give the range. Stereo 16-bit samples, interleaved.
Mix_Figures Measure_Mix(const std::vector<int16_t>& stereo, int32_t rate);

// The loudest 100 ms of a stereo mix, ear-weighted, in dB (LUFS).
double Loudest_Window(const std::vector<int16_t>& stereo, int32_t rate);

// Mixes a log of played waves through the game's mixer as the headless ear does: frame slot n
// (24 ms) starts the waves of frame n, then is mixed. `silent`, when given, is a wave that plays
// in silence (its voices run, an alert still dips the frequent waves) so that the rest of the
// mix is heard without it.
std::vector<int16_t> Mix_Log(const std::vector<zarvo::Sound>& waves,
                             const std::vector<zarvo::Played_Wave>& log, int32_t frames,
                             int32_t rate, int silent = -1);

// How far each play of a cue stands above the rest of the mix in the cue's own loudest 100 ms
// (the mix with the cue less the mix without it, against the mix without it), in dB.
struct Cue_Clearance {
    int Plays = 0;
    double Worst = 0, Median = 0;
    int32_t Worst_Frame = 0;  // the frame in which the worst play started
    int Under_3_Db = 0;       // plays less than 3 dB above the rest
};
Cue_Clearance Measure_Cue(const std::vector<zarvo::Sound>& waves,
                          const std::vector<zarvo::Played_Wave>& log, int32_t frames, int32_t rate,
                          int cue, const std::vector<int16_t>& whole);

}  // namespace wavemeter
