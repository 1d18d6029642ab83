#pragma once
// The sound device of the page: Web Audio plays the mixer's output through an audio worklet
// off the page's thread, which mixes blocks of at most 1,024 frames a little ahead for it.
// Browsers let a page sound only after the player has pressed a key, clicked or tapped, so the
// device opens on the first such event; waves played before that, or without Web Audio, are
// silent. After a stretch of silence the device sleeps, and the next wave wakes it: that wave
// is delayed by the device's start, never lost.
#include <vector>

#include "platform/mixer.h"

namespace zarvo {

class Web_Audio {
  public:
    Web_Audio() = default;
    Web_Audio(const Web_Audio&) = delete;
    Web_Audio& operator=(const Web_Audio&) = delete;
    ~Web_Audio();

    // Opens the device and prepares the waves at its rate; only the first call does anything.
    void Open(const std::vector<Sound>& waves);
    void Play(int index);
    bool Opened() const { return opened_; }
    // The master level in percent, kept for a device not yet open.
    void Set_Level(int percent);
    // A suspended device stops playing (and costs nothing) until it is resumed.
    void Suspend(bool suspended);
    // Whether the device sleeps through a silence.
    bool Asleep() const { return asleep_; }

    // Mixes `frames` stereo frames for the page's audio node; answers where they are.
    const int16_t* Mix(int frames);

  private:
    void Sleep_After_Silence(int silent_frames);

    Mixer mixer_;
    bool tried_ = false;
    bool opened_ = false;
    bool suspended_ = false;
    bool asleep_ = false;
    int silent_frames_ = 0;
    int level_ = 100;
    std::vector<int16_t> out_;
};

}  // namespace zarvo
