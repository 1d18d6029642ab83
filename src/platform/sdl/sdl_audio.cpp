#include "platform/sdl/sdl_audio.h"

namespace zarvo {

namespace {

void Say_Nothing(const char*, int, const char*, int, const char*, ...) {}

// ALSA tells each step of a failed opening on stderr (nine lines on a machine without a sound
// card) before SDL answers; the game's own line says what matters. Its library, which SDL
// loads when it tries ALSA, is loaded here first and stays loaded, so that its silence holds.
void Quiet_Alsa() {
    static void* alsa = SDL_LoadObject("libasound.so.2");
    if (!alsa) return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using Set_Handler = int (*)(Handler);
    const auto set =
        reinterpret_cast<Set_Handler>(SDL_LoadFunction(alsa, "snd_lib_error_set_handler"));
    if (set) set(Say_Nothing);
}

}  // namespace

Sdl_Audio::~Sdl_Audio() {
    Close();
}

void Sdl_Audio::Close() {
    if (device_) SDL_CloseAudioDevice(device_);
    device_ = 0;
}

bool Sdl_Audio::Open(const std::vector<Sound>& waves) {
    Quiet_Alsa();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{}, have{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;  // about 23 ms at 44.1 kHz: a sound starts within its frame
    want.callback = &Sdl_Audio::Callback;
    want.userdata = this;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (!device_) return false;
    mixer_.Load(waves, have.freq, have.samples);
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void Sdl_Audio::Play(int index) {
    if (!device_) return;
    SDL_LockAudioDevice(device_);
    mixer_.Play(index);
    SDL_UnlockAudioDevice(device_);
}

void Sdl_Audio::Set_Level(int percent) {
    if (device_) SDL_LockAudioDevice(device_);
    mixer_.Set_Level(percent);
    if (device_) SDL_UnlockAudioDevice(device_);
}

void Sdl_Audio::Callback(void* self, Uint8* stream, int bytes) {
    auto* audio = static_cast<Sdl_Audio*>(self);
    audio->mixer_.Mix(reinterpret_cast<int16_t*>(stream), bytes / 4);
}

}  // namespace zarvo
