// The mixer's cost per second of sound: the waves a minute of difficulty 3, level 8 plays
// (replayed headless from bench/scenarios/d3_level8.txt) are mixed at 44.1 kHz in the sound
// device's blocks of 1024 frames, master stage and limiter included. The counter
// "cpu/audio_s" is the processor time one second of sound costs. Beside the game's mixer runs
// the mixer as it was before the frequent waves had a bus of their own (one bus, voices started
// together, a limiter without look-ahead), on the same waves, so that one run shows both
// costs side by side. ZARVO_BENCH_ASSETS names another asset folder (the waves of an older
// build).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_support.h"
#include "driver/headless/runner.h"
#include "platform/gain_rider.h"
#include "platform/mixer.h"

namespace {

using namespace zarvo;
using namespace zarvo::bench;

constexpr int Rate = 44100;
constexpr int Block = 1024;
constexpr int Frames = 2550;

const Assets* Wave_Assets() {
    static Assets assets;
    static const bool loaded = [] {
        const char* dir = std::getenv("ZARVO_BENCH_ASSETS");
        std::string message;
        return Load_Assets(dir ? dir : ZARVO_ASSET_DIR, assets, message);
    }();
    return loaded ? &assets : nullptr;
}

// The waves the scenario plays, by frame.
const std::vector<Played_Wave>& Scenario_Waves() {
    static const std::vector<Played_Wave> waves = [] {
        Script script;
        std::string error;
        if (Read_Script(ZARVO_SOURCE_DIR "/bench/scenarios/d3_level8.txt", script, error) != 0)
            return std::vector<Played_Wave>{};
        Headless_Runner run(Wave_Assets(), Choose_Seed(std::nullopt, script), script.Screen);
        run.Run(script, Frames);
        return run.media().waves;
    }();
    return waves;
}

// The mixer as it was: every voice into one sum, the gain control, a limiter whose gain jumps
// down on a peak, rounding by lround.
class Before_Mixer {
  public:
    void Load(const std::vector<Sound>& waves, int32_t rate, int block) {
        items_.clear();
        for (const Sound& w : waves) {
            Item item;
            item.Samples = Prepare_Sound(w, rate);
            item.Audible = item.Samples.size() / 2;
            while (item.Audible > 0 && item.Samples[2 * item.Audible - 1] == 0 &&
                   item.Samples[2 * item.Audible - 2] == 0)
                --item.Audible;
            item.Voices.reserve(Mixer::Voices_Per_Item);
            items_.push_back(std::move(item));
        }
        sum_.assign(static_cast<size_t>(block) * 2, 0);
        rider_ = Gain_Rider(Mixer::Ride_Threshold, Mixer::Ride_Ratio, static_cast<float>(rate));
        fall_ = std::exp(-1.0f / (Mixer::Release_Seconds * static_cast<float>(rate)));
    }
    void Play(int index) {
        auto& voices = items_[static_cast<size_t>(index)].Voices;
        auto idle =
            std::find_if(voices.begin(), voices.end(), [](const Voice& v) { return !v.Playing; });
        Voice& voice = idle != voices.end() ? *idle : voices.emplace_back();
        voice = {true, 0};
    }
    void Mix(int16_t* out, int frames) {
        std::fill(sum_.begin(), sum_.begin() + frames * 2, 0);
        for (Item& item : items_)
            for (Voice& voice : item.Voices)
                if (voice.Playing) Mix_Voice(item, voice, frames);
        constexpr float To_Unit = 0.5f / 32768.0f;
        for (size_t f = 0; f < static_cast<size_t>(frames); ++f) {
            float left = static_cast<float>(sum_[2 * f]) * To_Unit;
            float right = static_cast<float>(sum_[2 * f + 1]) * To_Unit;
            rider_.Apply(left, right);
            envelope_ = std::max(std::max(std::fabs(left), std::fabs(right)), envelope_ * fall_);
            const float gain = envelope_ > Mixer::Limit ? Mixer::Limit / envelope_ : 1.0f;
            out[2 * f] = static_cast<int16_t>(std::lround(left * gain * 32767.0f));
            out[2 * f + 1] = static_cast<int16_t>(std::lround(right * gain * 32767.0f));
        }
    }

  private:
    struct Voice {
        bool Playing;
        size_t Position;
    };
    struct Item {
        std::vector<int16_t> Samples;
        size_t Audible = 0;
        std::vector<Voice> Voices;
    };
    void Mix_Voice(const Item& item, Voice& voice, int frames) {
        const size_t total = item.Samples.size() / 2;
        const size_t n = std::min(static_cast<size_t>(frames), total - voice.Position);
        const size_t heard =
            voice.Position < item.Audible ? std::min(n, item.Audible - voice.Position) : 0;
        const int16_t* src = item.Samples.data() + voice.Position * 2;
        for (size_t k = 0; k < heard * 2; ++k) sum_[k] += src[k];
        voice.Position += n;
        if (voice.Position >= total) voice.Playing = false;
    }
    std::vector<Item> items_;
    std::vector<int32_t> sum_;
    Gain_Rider rider_;
    float fall_ = 1, envelope_ = 0;
};

template <typename Mixer_Type>
void Mix_Level8_Minute(benchmark::State& state) {
    const std::vector<Played_Wave>& waves = Scenario_Waves();
    if (!Wave_Assets() || waves.empty()) return state.SkipWithError("no scenario or assets");
    std::vector<int16_t> out(2 * Block);
    const int64_t total = static_cast<int64_t>(Frames) * Rate * Frame_Ms / 1000;
    for (auto _ : state) {
        // Every minute starts silent, from a fresh load: a copy of a loaded mixer would not
        // keep the voices made ready for each wave, and playing would allocate them.
        state.PauseTiming();
        Mixer_Type mixer;
        mixer.Load(Wave_Assets()->Waves, Rate, Block);
        state.ResumeTiming();
        size_t next = 0;
        for (int64_t done = 0; done < total; done += Block) {
            // The waves of every frame that has begun by this block start before it is mixed.
            const int64_t frame = done * 1000 / (static_cast<int64_t>(Rate) * Frame_Ms) + 1;
            for (; next < waves.size() && waves[next].Frame <= frame; ++next)
                mixer.Play(waves[next].Index);
            mixer.Mix(out.data(), Block);
            benchmark::DoNotOptimize(out.data());
        }
    }
    state.counters["cpu/audio_s"] = benchmark::Counter(
        static_cast<double>(total) / Rate,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["waves"] = static_cast<double>(waves.size());
}

void BM_Mix_Level8_Minute_Before(benchmark::State& state) {
    Mix_Level8_Minute<Before_Mixer>(state);
}
void BM_Mix_Level8_Minute(benchmark::State& state) {
    Mix_Level8_Minute<Mixer>(state);
}
BENCHMARK(BM_Mix_Level8_Minute_Before)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Mix_Level8_Minute)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Loading: every wave brought to the device rate once, as the game does when the sound device
// opens (in the browser: at the first key or click).
void BM_Load_Waves(benchmark::State& state) {
    if (!Wave_Assets()) return state.SkipWithError("no assets");
    for (auto _ : state) {
        Mixer mixer;
        mixer.Load(Wave_Assets()->Waves, static_cast<int32_t>(state.range(0)), Block);
        benchmark::DoNotOptimize(mixer.Prepared(0).data());
    }
}
BENCHMARK(BM_Load_Waves)->Arg(44100)->Arg(48000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
