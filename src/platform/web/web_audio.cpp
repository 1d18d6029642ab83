#include "platform/web/web_audio.h"

#include <emscripten/emscripten.h>

// JavaScript, which the C++ formatter would take apart.
// clang-format off
// Creates the audio context and the node that plays the mixer's output; answers the device's
// sample rate, or 0 when the page has no Web Audio.
//
// The node is an audio worklet on the audio thread: it asks for blocks whenever fewer than
// `lead` of them wait in its queue, the page's thread mixes them and posts them over, and the
// worklet plays them out. A page thread held up for less than the lead costs no gap. Where no
// worklet can be made, a script processor node pulls the same blocks on the page's thread.
// Module.zarvoAudio tells what plays: its kind, how many blocks went over, and the worklet's
// count of render quanta, of those it had to fill with silence while a block was on its way,
// and the longest wait for a block it asked for, in frames; and how often the device woke
// from a silence for a sound, with the longest and the last time from the sound's start to
// the worklet playing it, in ms.
EM_JS(int, Page_Open_Audio, (int block_frames, int lead), {
    const Context = globalThis.AudioContext || globalThis.webkitAudioContext;
    if (!Context) return 0;
    try {
        const context = new Context({ latencyHint: "interactive" });
        const audio = { context, node: null, kind: "", blocks: 0, quanta: 0, late: 0, longestWait: 0,
                        wakes: 0, wakeMs: 0, longestWakeMs: 0, wokeAt: 0 };
        Module.zarvoAudio = audio;
        const nodes = Module.zarvoSoundNodes;
        const useProcessor = () => nodes.processor(audio, block_frames);
        // A page opened from disk loads the worklet's module from a data: address; a served
        // page whose rules forbid those may still allow a blob: one.
        if (context.audioWorklet && globalThis.AudioWorkletNode) {
            const text = Module.zarvoWorkletSource();
            const blob = URL.createObjectURL(new Blob([text], { type: "text/javascript" }));
            context.audioWorklet.addModule("data:text/javascript;charset=utf-8," + encodeURIComponent(text))
                .catch(() => context.audioWorklet.addModule(blob))
                .then(() => nodes.worklet(audio, block_frames, lead))
                .catch((error) => {
                    console.warn("Zarvo's sound falls back to a script processor: " + error);
                    useProcessor();
                })
                .finally(() => URL.revokeObjectURL(blob));
        } else {
            useProcessor();
        }
        context.resume();
        return context.sampleRate | 0;
    } catch (error) {
        console.warn("Zarvo plays without sound: " + error);
        return 0;
    }
});

// The two nodes that can play the mixer's blocks, each made for Module.zarvoAudio.
EM_JS(void, Page_Define_Sound_Nodes, (), {
    const mix = (audio, frames) => {
        const at = Module._zarvo_audio_mix(frames) >> 1;
        const block = new Float32Array(2 * frames);
        for (let i = 0; i < 2 * frames; ++i) block[i] = HEAP16[at + i] / 32768;
        ++audio.blocks;
        return block;
    };
    const processor = (audio, block_frames) => {
        const node = audio.context.createScriptProcessor(block_frames, 0, 2);
        node.onaudioprocess = (e) => {
            const left = e.outputBuffer.getChannelData(0);
            const right = e.outputBuffer.getChannelData(1);
            const block = mix(audio, left.length);
            for (let i = 0; i < left.length; ++i) {
                left[i] = block[2 * i];
                right[i] = block[2 * i + 1];
            }
        };
        node.connect(audio.context.destination);
        audio.node = node, audio.kind = "script processor";
    };
    const worklet = (audio, block_frames, lead) => {
        const node = new AudioWorkletNode(audio.context, "zarvo-mixer", {
            numberOfInputs: 0, outputChannelCount: [2],
            processorOptions: { block: block_frames, lead } });
        node.port.onmessage = (e) => {
            const d = e.data;
            if (d.woke) {
                audio.wakeMs = performance.now() - audio.wokeAt;
                audio.longestWakeMs = Math.max(audio.longestWakeMs, audio.wakeMs);
                return;
            }
            audio.quanta = d.quanta, audio.late = d.late, audio.longestWait = d.longestWait;
            for (let i = 0; i < d.want; ++i) {
                const block = mix(audio, block_frames);
                node.port.postMessage(block, [block.buffer]);
            }
        };
        node.connect(audio.context.destination);
        audio.node = node, audio.kind = "worklet";
    };
    Module.zarvoSoundNodes = { processor, worklet };
});

// The worklet's code, made into a module of its own from this text.
EM_JS(void, Page_Define_Worklet, (), {
    Module.zarvoWorkletSource = () => `
class Zarvo_Mixer extends AudioWorkletProcessor {
    constructor(options) {
        super();
        this.block = options.processorOptions.block;
        this.lead = options.processorOptions.lead;
        this.queue = [];
        this.at = 0;
        this.queued = 0;
        this.asked = 0;
        this.askedAt = [];
        this.quanta = 0;
        this.late = 0;
        this.longestWait = 0;
        this.waking = false;
        this.port.onmessage = (e) => {
            if (e.data === "wake") return this.wake();
            this.queue.push(e.data);
            this.queued += e.data.length / 2;
            this.asked -= 1;
            this.longestWait = Math.max(this.longestWait, currentFrame - this.askedAt.shift());
            if (this.waking) this.waking = false, this.port.postMessage({ woke: true });
        };
        this.ask();
    }
    // The device slept through a silence: what waits in the queue is silence mixed before it,
    // which would only hold back the sound that woke it.
    wake() {
        this.queue = [];
        this.at = 0;
        this.queued = 0;
        this.waking = true;
        this.ask();
    }
    ask() {
        const want = this.lead - Math.ceil(this.queued / this.block) - this.asked;
        if (want <= 0) return;
        this.asked += want;
        for (let i = 0; i < want; ++i) this.askedAt.push(currentFrame);
        this.port.postMessage({ want, quanta: this.quanta, late: this.late,
                                longestWait: this.longestWait });
    }
    process(inputs, outputs) {
        const left = outputs[0][0], right = outputs[0][1] || outputs[0][0];
        let i = 0;
        while (i < left.length && this.queue.length > 0) {
            const block = this.queue[0];
            for (; i < left.length && this.at < block.length; this.at += 2, ++i) {
                left[i] = block[this.at];
                right[i] = block[this.at + 1];
            }
            if (this.at >= block.length) this.queue.shift(), this.at = 0;
        }
        this.queued -= i;
        if (i < left.length) {
            left.fill(0, i);
            right.fill(0, i);
            if (this.asked > 0 && this.quanta > 0 && !this.waking) this.late += 1;
        }
        this.quanta += 1;
        this.ask();
        return true;
    }
}
registerProcessor("zarvo-mixer", Zarvo_Mixer);
`;
});

// `wanted` says whether the game wants the device running: a browser that refuses to resume it
// outside a tap or a key (Safari on a phone) gets it resumed by the page at the next one.
EM_JS(void, Page_Suspend_Audio, (int suspended), {
    const audio = Module.zarvoAudio;
    if (!audio) return;
    audio.wanted = !suspended;
    const done = suspended ? audio.context.suspend() : audio.context.resume();
    if (done && done.catch) done.catch(() => {});
});

// The device resumes for a sound after a silence: the worklet drops the silence it holds.
EM_JS(void, Page_Wake_Audio, (), {
    const audio = Module.zarvoAudio;
    if (!audio) return;
    audio.wokeAt = performance.now();
    audio.wanted = true;
    ++audio.wakes;
    if (audio.kind === "worklet") audio.node.port.postMessage("wake");
    audio.context.resume().catch(() => {});
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

// The blocks the page mixes, no longer than the desktop's, and how many of them the worklet
// keeps waiting (about 64 ms at 48 kHz).
constexpr int Block_Frames = 1024;
constexpr int Lead_Blocks = 3;
// After this long without a sound the device sleeps (a running device costs the browser
// several per cent of a core even while it plays silence) until the next sound.
constexpr int Silence_Seconds = 2;

bool Silent(const int16_t* samples, size_t count) {
    int16_t any = 0;
    for (size_t i = 0; i < count; ++i) any |= samples[i];
    return any == 0;
}

}  // namespace

Web_Audio::~Web_Audio() {
    if (opened_) Page_Close_Audio();
    if (Device == this) Device = nullptr;
}

void Web_Audio::Open(const std::vector<Sound>& waves) {
    if (tried_) return;
    tried_ = true;
    Page_Define_Worklet();
    Page_Define_Sound_Nodes();
    const int rate = Page_Open_Audio(Block_Frames, Lead_Blocks);
    if (rate <= 0) return;
    mixer_.Load(waves, rate, Block_Frames);
    mixer_.Set_Level(level_);
    out_.assign(static_cast<size_t>(Block_Frames) * 2, 0);
    Device = this;
    opened_ = true;
    if (suspended_) Page_Suspend_Audio(1);
}

void Web_Audio::Play(int index) {
    if (!opened_) return;
    mixer_.Play(index);
    silent_frames_ = 0;
    if (!asleep_) return;
    asleep_ = false;
    if (!suspended_) Page_Wake_Audio();
}

void Web_Audio::Set_Level(int percent) {
    level_ = percent;
    mixer_.Set_Level(percent);
}

void Web_Audio::Suspend(bool suspended) {
    if (suspended == suspended_) return;
    suspended_ = suspended;
    if (opened_ && !asleep_) Page_Suspend_Audio(suspended ? 1 : 0);
}

const int16_t* Web_Audio::Mix(int frames) {
    frames = frames < 0 ? 0 : frames;
    const size_t samples = static_cast<size_t>(frames) * 2;
    if (samples > out_.size()) out_.resize(samples);
    mixer_.Mix(out_.data(), frames);
    Sleep_After_Silence(Silent(out_.data(), samples) ? frames : -1);
    return out_.data();
}

// Counts the silent frames in a row (a block with sound, -1, starts again); a silence long
// enough puts the device to sleep until Play wakes it.
void Web_Audio::Sleep_After_Silence(int silent_frames) {
    silent_frames_ = silent_frames < 0 ? 0 : silent_frames_ + silent_frames;
    if (asleep_ || silent_frames_ < Silence_Seconds * mixer_.Device_Rate()) return;
    asleep_ = true;
    if (!suspended_) Page_Suspend_Audio(1);
}

}  // namespace zarvo

// Called by the page for every block it hands to the audio node.
extern "C" EMSCRIPTEN_KEEPALIVE const int16_t* zarvo_audio_mix(int frames) {
    static int16_t silence[2 * 16384] = {};
    if (!zarvo::Device) return silence;
    return zarvo::Device->Mix(frames);
}
