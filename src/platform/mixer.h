#pragma once
// The sound mixer behind Play_Wave: every wave item keeps a list of voices; a play takes the
// first idle voice of the item or, when all are busy, adds one. A playing voice is never cut
// off and the number of voices of an item only grows. Several plays of one wave between two
// mixes (the same frame) start a few milliseconds apart, inside the frame, so that they add as
// power instead of sample for sample. The cues and alerts sum on the main bus; the frequent
// waves on a bus of their own, set under the cues, which dips smoothly while an alert sounds or
// a cue or alert leads (Mix_Role). A cue or alert leads through the loud part of its sound
// while it is the newest there, an alert before any cue, and the other waves' cues and alerts
// give way to it: two that meet are heard one after the other rather than as one blur. The
// alerts stand a little above the cues. The buses' sum goes through the master stage: a fixed
// gain that leaves headroom for the voices that pile up in a busy moment, a slow gain control
// that rides the rare heavier pile-ups down smoothly, and a limiter, the last guard, that keeps
// every sample below full scale. The mixer knows nothing of a sound device: the backend calls
// Mix from its audio callback (under its own lock), and Mix allocates nothing.
#include <cstdint>
#include <vector>

#include "platform/gain_rider.h"
#include "platform/limiter.h"
#include "platform/media.h"

namespace zarvo {

class Mixer {
  public:
    static constexpr float Master_Gain = 0.65f;  // 3.7 dB below a single voice at full scale
    static constexpr float Limit = 0.89f;        // -1 dB of full scale
    static constexpr float Release_Seconds = 0.12f;
    static constexpr float Ride_Threshold = 0.25f;  // -12 dB of full scale, as RMS
    static constexpr float Ride_Ratio = 2.5f;
    static constexpr float Look_Ahead_Seconds = 0.0015f;  // the limiter's
    // The frequent bus stands this far under the cues, and dips by Dip while an alert sounds or
    // a cue or alert leads: down within some Dip_Seconds, back over Rise_Seconds after.
    static constexpr float Frequent_Gain = 0.2f;  // -14 dB
    static constexpr float Dip = 0.3f;            // -10.5 dB
    static constexpr float Dip_Seconds = 0.012f;
    static constexpr float Rise_Seconds = 0.3f;
    // A cue or alert leads through the loud part of its sound (every Lead_Window_Seconds
    // within Loud_Part_Db of its loudest, Lead_Most_Seconds at most), when it is the newest of
    // its part there (the alerts before the cues); the other waves' cues and alerts then sound
    // Lead_Dip lower, down within one mixed block and back over Lead_Rise_Seconds after.
    static constexpr float Lead_Window_Seconds = 0.1f;
    static constexpr double Loud_Part_Db = 3.0;
    static constexpr float Lead_Most_Seconds = 0.5f;  // a long alarm leads no longer
    static constexpr float Lead_Dip = 0.3f;  // -10.5 dB
    static constexpr float Lead_Rise_Seconds = 0.05f;
    static constexpr float Alert_Gain = 1.5f;  // +3.5 dB: the alerts stand above the cues
                                               // (put into their samples when they load)
    // The plays of one wave in one frame start this late, in this order, the ninth with the
    // first again: all inside the frame's 24 ms, at uneven gaps so that no low tone of a
    // wave lines up against itself and cancels.
    static constexpr int Spread_Slots = 8;
    static constexpr float Spread_Ms[Spread_Slots] = {0.0f, 11.3f, 4.7f, 17.9f,
                                                      8.2f, 21.6f, 2.4f, 14.6f};
    // And a frequent wave's extra plays in one frame are pitched a little apart as well, in
    // turn, so that even their low body adds as power: the recording itself and these.
    // Each pitch is prepared once, when the waves load.
    static constexpr int Pitches = 3;
    static constexpr float Pitch[Pitches] = {1.0f, 1.05f, 0.955f};
    // Voices made ready for each wave when it loads. The busiest play measured (difficulty 3,
    // level 8) kept about 130 voices busy over all waves together, so a wave that needs more
    // than this, and makes Play allocate, is far beyond any game.
    static constexpr int Voices_Per_Item = 256;

    // Converts every wave to the device rate as 16-bit stereo, ready to mix (once, here, so
    // that mixing only adds), and sizes every buffer for the device's blocks of up to
    // block_frames.
    void Load(const std::vector<Sound>& waves, int32_t device_rate, int block_frames = 1024);

    // Starts one playback of wave `index` from its beginning; an unknown index plays nothing.
    // The k-th play of the wave since the last Mix starts Spread_Ms[k mod Spread_Slots] late
    // (and, for a frequent wave, at Pitch[k mod Pitches]).
    void Play(int index);

    // A silent wave plays on as before (its voices run, an alert still dips the frequent bus)
    // but adds nothing to the mix: the mix meter hears the rest of a mix through it.
    void Set_Silent(int index, bool silent);

    // Adds the playing voices into `frames` stereo frames of `out` (cleared first), through the
    // master stage (the fixed gain, the gain control and the limiter) and the player's level,
    // and moves them on; a voice that reaches its end becomes idle.
    void Mix(int16_t* out, int frames);

    // The master level in percent (0 silent, 100 as recorded), applied to everything mixed.
    void Set_Level(int percent);
    int Level() const { return level_; }

    // How often the master stage turned the mix down, counted over every frame mixed.
    struct Turn_Down {
        uint64_t Frames = 0, Over_3_Db = 0, Over_6_Db = 0;
        uint64_t Limited = 0;  // frames in which the limiter had to work
    };
    const Turn_Down& Turned_Down() const { return turned_; }

    int Voice_Count(int index) const;
    int Playing_Count(int index) const;
    int32_t Device_Rate() const { return rate_; }
    // How many frames late the mix comes out: the limiter's look-ahead.
    int Latency() const { return limiter_.Look_Ahead() - 1; }
    // The prepared samples of a wave: interleaved left/right at the device rate (an alert's
    // lifted by Alert_Gain).
    const std::vector<int16_t>& Prepared(int index) const;

  private:
    struct Voice {
        bool Playing = false;
        size_t Position = 0;  // in stereo frames
        size_t Wait = 0;      // frames still to wait before it starts
        int Pitch = 0;        // which of the item's pitches it plays
        uint64_t Order = 0;   // when it was started, counted in plays
        float Gain = 1;       // a cue's or alert's, while another leads
    };
    struct Item {
        std::vector<int16_t> Samples;  // interleaved stereo at the device rate
        // The other pitches of a frequent wave, one after the other, each as long as Samples.
        std::vector<int16_t> Pitched;
        size_t Audible = 0;  // frames up to the last one that is not silent, at any pitch
        size_t Lead_From = 0, Lead_To = 0;  // the loud part of its sound, in frames
        std::vector<Voice> Voices;
        Mix_Role Role = Mix_Role::Cue;
        int Starts = 0;  // plays since the last Mix
        bool Silent = false;
    };
    // Adds what the voice plays in the next `frames` frames; answers whether it was heard.
    bool Mix_Voice(const Item& item, Voice& voice, int32_t* sum, int frames, float gain = 1);
    struct Lead {
        uint64_t Order = 0;
        const Item* Of = nullptr;
    };
    Lead Leading_Voice(int frames) const;
    float Next_Gain(const Item& item, Voice& voice, const Lead& lead, int frames) const;
    void Prepare_Pitches(Item& item, const Sound& sound);
    void Mix_Block(int16_t* out, int frames);
    void Master_Stage(int16_t* out, int frames, bool dip);

    int32_t rate_ = 0;
    int level_ = 100;
    size_t spread_[Spread_Slots] = {};  // Spread_Ms in frames
    uint64_t played_ = 0;               // plays so far
    std::vector<Item> items_;
    std::vector<int32_t> sum_, frequent_;  // the buses, one block each, sized when waves load
    float dip_ = 1, dip_fall_ = 1, dip_rise_ = 1;  // the frequent bus's dip and its speeds
    Gain_Rider rider_;
    Soft_Limiter limiter_{Limit, 1};
    Turn_Down turned_;
};

// One recording decoded and brought to stereo 16-bit at `rate` by the band-limited resampler.
std::vector<int16_t> Prepare_Sound(const Sound& sound, int32_t rate);

}  // namespace zarvo
