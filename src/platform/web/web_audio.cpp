#include "platform/web/web_audio.h"

#include <emscripten/emscripten.h>

// JavaScript, which the C++ formatter would take apart.
// clang-format off
// Creates the audio context and an audio node that asks the program for each block of
// samples; answers the device's sample rate, or 0 when the page has no Web Audio.
EM_JS(int, Page_Open_Audio, (int block_frames), {
    const Context = globalThis.AudioContext || globalThis.webkitAudioContext;
    if (!Context) return 0;
    try {
        const context = new Context();
        const node = context.createScriptProcessor(block_frames, 0, 2);
        node.onaudioprocess = function(e) {
            const left = e.outputBuffer.getChannelData(0);
            const right = e.outputBuffer.getChannelData(1);
            const frames = left.length;
            const at = Module._zarvo_audio_mix(frames) >> 1;
            const samples = HEAP16.subarray(at, at + 2 * frames);
            for (let i = 0; i < frames; ++i) {
                left[i] = samples[2 * i] / 32768;
                right[i] = samples[2 * i + 1] / 32768;
            }
        };
        node.connect(context.destination);
        context.resume();
        Module.zarvoAudio = {context, node};
        return context.sampleRate | 0;
    } catch (error) {
        console.warn("Zarvo plays without sound: " + error);
        return 0;
    }
});

EM_JS(void, Page_Close_Audio, (), {
    if (Module.zarvoAudio) Module.zarvoAudio.context.close();
    Module.zarvoAudio = undefined;
});
// clang-format on

namespace zarvo {

namespace {

// The one device of the page, for the audio node's callback.
Web_Audio* Device = nullptr;

// The largest block the audio node asks for.
constexpr int Block_Frames = 2048;

}  // namespace

Web_Audio::~Web_Audio() {
    if (opened_) Page_Close_Audio();
    if (Device == this) Device = nullptr;
}

void Web_Audio::Open(const std::vector<Sound>& waves) {
    if (tried_) return;
    tried_ = true;
    const int rate = Page_Open_Audio(Block_Frames);
    if (rate <= 0) return;
    mixer_.Load(waves, rate);
    out_.assign(static_cast<size_t>(Block_Frames) * 2 * 8, 0);
    Device = this;
    opened_ = true;
}

void Web_Audio::Play(int index) {
    if (opened_) mixer_.Play(index);
}

const int16_t* Web_Audio::Mix(int frames) {
    frames = frames < 0 ? 0 : frames;
    if (static_cast<size_t>(frames) * 2 > out_.size()) out_.resize(static_cast<size_t>(frames) * 2);
    mixer_.Mix(out_.data(), frames);
    return out_.data();
}

}  // namespace zarvo

// Called by the page's audio node for every block it plays.
extern "C" EMSCRIPTEN_KEEPALIVE const int16_t* zarvo_audio_mix(int frames) {
    static int16_t silence[2 * 16384] = {};
    if (!zarvo::Device) return silence;
    return zarvo::Device->Mix(frames);
}
