#pragma once
// The sound device: an SDL audio callback that mixes the voices of the Mixer. Without a sound
// device the game runs on silently.
#include <SDL.h>

#include "platform/mixer.h"

namespace zarvo {

class Sdl_Audio {
  public:
    ~Sdl_Audio();
    // Opens the device and prepares the waves at its rate; answers false when there is none.
    bool Open(const std::vector<Sound>& waves);
    void Play(int index);
    // The master level in percent; 0 mutes.
    void Set_Level(int percent);
    void Close();

  private:
    static void Callback(void* self, Uint8* stream, int bytes);
    SDL_AudioDeviceID device_ = 0;
    Mixer mixer_;
};

}  // namespace zarvo
