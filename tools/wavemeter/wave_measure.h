#pragma once
// Loudness and cleanliness of the recordings: what a sound designer reads off a meter before
// a wave goes into the game, and the limits the wave list is held to.
#include <string>
#include <vector>

#include "platform/media.h"

namespace wavemeter {

struct Wave_Measure {
    std::string Name;
    double Length_Ms = 0;
    double Peak = 0;            // loudest sample, fraction of full scale
    double Rms = 0;             // over the whole recording, all channels
    double Loudest_Window = 0;  // RMS of the loudest 100 ms
    double Loudness = -200;     // the loudest 100 ms as ears hear it, in dB (assetgen/loudness.h)
    double Dc = 0;              // mean sample value of the channel that strays furthest
    double First_Jump = 0;      // how far the first sample stands from silence
    double Last_Jump = 0;       // and the last
};

// Decibels relative to full scale (a full-scale square wave has RMS 0 dB).
double Db(double fraction);

Wave_Measure Measure_Wave(const zarvo::Sound& sound, const std::string& name);

// The rules every wave list keeps (the waves in catalogue order): no clipping, no DC offset, no
// click at either end; a loudness hierarchy: the waves that play often and pile up (Laser,
// Step, Cracker, Explose_5, Explose_3, Click, Explosion_1) 8 to 12 dB under every one of the
// rare big ones (Explose_6, Danger, Welcome), the alerts no louder than the big explosion, and no
// wave louder than the loudest big one nor more than 16 dB under it. Answers one line per broken
// rule.
std::vector<std::string> Level_Problems(const std::vector<Wave_Measure>& waves);

// Median of the RMS values in dB.
double Median_Rms_Db(const std::vector<Wave_Measure>& waves);

}  // namespace wavemeter
