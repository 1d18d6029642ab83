#include "platform/mixer.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

#include "platform/resampler.h"
#include "platform/wave_file.h"

namespace zarvo {

namespace {

int16_t To_Int16(float v) {
    return static_cast<int16_t>(std::clamp(std::lround(v), -32768l, 32767l));
}

// The frames of a recording the mixer can play: mono or stereo PCM at a rate.
size_t Frame_Count_Of(const Sound& s) {
    return s.Channels <= 2 && s.Rate > 0 ? Pcm_Frames(s) : 0;
}

// Adds `n` samples into the sum: the loop every voice runs. Eight at a time, in a loop of fixed
// length that the compiler turns into vector instructions.
void Add_Samples(int32_t* __restrict sum, const int16_t* __restrict src, size_t n) {
    size_t k = 0;
    for (; k + 8 <= n; k += 8)
        for (size_t j = 0; j < 8; ++j) sum[k + j] += src[k + j];
    for (; k < n; ++k) sum[k] += src[k];
}

// Adds `n` stereo samples scaled by a gain that glides from `from` to `to` across them, in
// steps of four frames. Like Add_Samples, eight at a time in a loop of fixed length, and the
// products truncated rather than rounded (a bias of half a step of 16 bits at most), so that
// the compiler turns it into vector instructions.
void Add_Samples_Gliding(int32_t* __restrict sum, const int16_t* __restrict src, size_t n,
                         float from, float to) {
    const float step = n > 8 ? (to - from) * 8.0f / static_cast<float>(n) : 0.0f;
    float gain = from;
    size_t k = 0;
    for (; k + 8 <= n; k += 8, gain += step)
        for (size_t j = 0; j < 8; ++j)
            sum[k + j] += static_cast<int32_t>(static_cast<float>(src[k + j]) * gain);
    for (; k < n; ++k) sum[k] += static_cast<int32_t>(static_cast<float>(src[k]) * to);
}

}  // namespace

std::vector<int16_t> Prepare_Sound(const Sound& sound, int32_t rate) {
    const size_t in_frames = Frame_Count_Of(sound);
    if (in_frames == 0 || rate <= 0) return {};
    // A mono recording is converted once and sounds the same on both sides.
    const int channels = std::min(sound.Channels, 2);
    std::vector<float> side[2];
    for (int ch = 0; ch < channels; ++ch) {
        std::vector<float> in(in_frames);
        for (size_t f = 0; f < in_frames; ++f)
            in[f] = 32768.0f * Pcm_Sample(sound, f * static_cast<size_t>(sound.Channels) +
                                                     static_cast<size_t>(ch));
        side[ch] = Resample(in, sound.Rate, rate);
    }
    const std::vector<float>& right = side[channels - 1];
    std::vector<int16_t> out(side[0].size() * 2);
    for (size_t f = 0; f < side[0].size(); ++f) {
        out[2 * f] = To_Int16(side[0][f]);
        out[2 * f + 1] = To_Int16(right[f]);
    }
    return out;
}

namespace {

// Frames up to the last one of `frames` that is not silent.
size_t Audible_Frames(const int16_t* samples, size_t frames) {
    while (frames > 0 && samples[2 * frames - 1] == 0 && samples[2 * frames - 2] == 0) --frames;
    return frames;
}

// The loud part of a prepared sound: from the first to the end of the last `window` frames
// whose power comes within Loud_Part_Db of its loudest `window` frames.
std::pair<size_t, size_t> Loud_Part(const std::vector<int16_t>& samples, size_t window) {
    const size_t frames = samples.size() / 2;
    if (frames <= window || window == 0) return {0, frames};
    std::vector<double> prefix(frames + 1, 0.0);
    for (size_t f = 0; f < frames; ++f) {
        const auto l = static_cast<double>(samples[2 * f]);
        const auto r = static_cast<double>(samples[2 * f + 1]);
        prefix[f + 1] = prefix[f] + l * l + r * r;
    }
    const size_t hop = std::max<size_t>(1, window / 10);
    double loudest = 0;
    for (size_t at = 0; at + window <= frames; at += hop)
        loudest = std::max(loudest, prefix[at + window] - prefix[at]);
    const double near = loudest * std::pow(10.0, -Mixer::Loud_Part_Db / 10.0);
    size_t from = frames, to = 0;
    for (size_t at = 0; at + window <= frames; at += hop)
        if (prefix[at + window] - prefix[at] >= near)
            from = std::min(from, at), to = std::max(to, at + window);
    return from < to ? std::pair{from, to} : std::pair{size_t{0}, frames};
}

}  // namespace

// A frequent wave's other pitches: prepared for a device a little faster or slower, played at
// the device's rate, each cut or padded with silence to the recording's length (the sound
// is over long before its recording ends), so every voice stays busy as long.
void Mixer::Prepare_Pitches(Item& item, const Sound& sound) {
    const size_t frames = item.Samples.size() / 2;
    item.Pitched.assign(frames * 2 * (Pitches - 1), 0);
    for (int p = 1; p < Pitches; ++p) {
        const auto rate = static_cast<int32_t>(std::lround(static_cast<float>(rate_) / Pitch[p]));
        const std::vector<int16_t> pitched = Prepare_Sound(sound, rate);
        const size_t kept = std::min(frames, pitched.size() / 2);
        int16_t* to = item.Pitched.data() + (p - 1) * frames * 2;
        std::copy(pitched.begin(), pitched.begin() + static_cast<ptrdiff_t>(kept * 2), to);
        item.Audible = std::max(item.Audible, Audible_Frames(to, kept));
    }
}

void Mixer::Load(const std::vector<Sound>& waves, int32_t device_rate, int block_frames) {
    rate_ = device_rate;
    items_.clear();
    items_.resize(waves.size());
    for (size_t i = 0; i < waves.size(); ++i) {
        Item& item = items_[i];
        item.Samples = Prepare_Sound(waves[i], rate_);
        item.Role = waves[i].Role;
        // An alert's lift is put into its samples once, so that mixing it only adds.
        if (item.Role == Mix_Role::Alert)
            for (int16_t& v : item.Samples) v = To_Int16(static_cast<float>(v) * Alert_Gain);
        item.Audible = Audible_Frames(item.Samples.data(), item.Samples.size() / 2);
        const auto window =
            static_cast<size_t>(std::lround(Lead_Window_Seconds * static_cast<float>(rate_)));
        std::tie(item.Lead_From, item.Lead_To) = Loud_Part(item.Samples, window);
        item.Lead_To = std::min(item.Lead_To,
                                item.Lead_From + static_cast<size_t>(std::lround(
                                                     Lead_Most_Seconds * static_cast<float>(rate_))));
        if (item.Role == Mix_Role::Frequent && !item.Samples.empty())
            Prepare_Pitches(item, waves[i]);
        item.Voices.reserve(Voices_Per_Item);
    }
    sum_.assign(static_cast<size_t>(std::max(1, block_frames)) * 2, 0);
    frequent_.assign(sum_.size(), 0);
    const float rate = static_cast<float>(std::max(1, rate_));
    for (int k = 0; k < Spread_Slots; ++k)
        spread_[k] = static_cast<size_t>(std::lround(Spread_Ms[k] * rate / 1000.0f));
    dip_ = 1;
    dip_fall_ = 1.0f - std::exp(-1.0f / std::max(1.0f, Dip_Seconds * rate));
    dip_rise_ = 1.0f - std::exp(-1.0f / std::max(1.0f, Rise_Seconds * rate));
    rider_ = Gain_Rider(Ride_Threshold, Ride_Ratio, rate);
    const int look_ahead = static_cast<int>(std::lround(Look_Ahead_Seconds * rate)) + 1;
    limiter_ = Soft_Limiter(Limit, Release_Seconds * rate, look_ahead);
}

void Mixer::Play(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    Item& item = items_[static_cast<size_t>(index)];
    if (item.Samples.empty()) return;
    auto idle = std::find_if(item.Voices.begin(), item.Voices.end(),
                             [](const Voice& v) { return !v.Playing; });
    Voice& voice = idle != item.Voices.end() ? *idle : item.Voices.emplace_back();
    voice.Playing = true;
    voice.Position = 0;
    voice.Wait = spread_[item.Starts % Spread_Slots];
    voice.Pitch = item.Pitched.empty() ? 0 : item.Starts % Pitches;
    voice.Order = ++played_;
    voice.Gain = 1;
    ++item.Starts;
}

void Mixer::Set_Silent(int index, bool silent) {
    if (index >= 0 && index < static_cast<int>(items_.size()))
        items_[static_cast<size_t>(index)].Silent = silent;
}

bool Mixer::Mix_Voice(const Item& item, Voice& voice, int32_t* sum, int frames, float gain) {
    // A spread start waits its turn inside the block.
    const size_t wait = std::min(voice.Wait, static_cast<size_t>(frames));
    voice.Wait -= wait;
    sum += wait * 2;
    const size_t total = item.Samples.size() / 2;
    const size_t n = std::min(static_cast<size_t>(frames) - wait, total - voice.Position);
    // The silence after the sound plays on (the voice stays busy to the recording's end) but
    // adds nothing, so it costs nothing.
    const size_t heard =
        voice.Position < item.Audible ? std::min(n, item.Audible - voice.Position) : 0;
    const int16_t* src = (voice.Pitch == 0 ? item.Samples.data()
                                           : item.Pitched.data() + (voice.Pitch - 1) * total * 2) +
                         voice.Position * 2;
    if (item.Silent) {
    } else if (gain == 1 && voice.Gain == 1) {
        Add_Samples(sum, src, heard * 2);
    } else {
        Add_Samples_Gliding(sum, src, heard * 2, voice.Gain, gain);
    }
    voice.Gain = gain;
    voice.Position += n;
    if (voice.Position >= total) voice.Playing = false;
    return heard > 0;
}

void Mixer::Mix(int16_t* out, int frames) {
    for (Item& item : items_) item.Starts = 0;
    const int block = static_cast<int>(sum_.size() / 2);
    if (block == 0) {
        std::fill(out, out + std::max(0, frames) * 2, int16_t{0});
        return;
    }
    for (int done = 0; done < frames; done += block)
        Mix_Block(out + static_cast<size_t>(done) * 2, std::min(block, frames - done));
}

// The newest alert, else the newest cue, whose loud part falls in the next `frames` frames
// (none: Order 0).
Mixer::Lead Mixer::Leading_Voice(int frames) const {
    Lead lead[2];  // cues, alerts
    for (const Item& item : items_) {
        if (item.Role == Mix_Role::Frequent) continue;
        Lead& newest = lead[item.Role == Mix_Role::Alert ? 1 : 0];
        for (const Voice& voice : item.Voices) {
            const size_t from = voice.Position + static_cast<size_t>(frames) - voice.Wait;
            if (voice.Playing && voice.Wait < static_cast<size_t>(frames) &&
                from >= item.Lead_From && voice.Position < item.Lead_To &&
                voice.Order > newest.Order)
                newest = {voice.Order, &item};
        }
    }
    return lead[1].Order != 0 ? lead[1] : lead[0];
}

// A cue's or alert's gain at the end of the next block: full while it leads, or no other wave
// does (plays of one wave never give way to each other), else down to Lead_Dip at once
// (glided across the block) and back up at the rise's pace.
float Mixer::Next_Gain(const Item& item, Voice& voice, const Lead& lead, int frames) const {
    if (lead.Order != 0 && lead.Of != &item) {
        if (voice.Position == 0) voice.Gain = Lead_Dip;  // it starts under the lead
        return Lead_Dip;
    }
    const float rise = (1 - Lead_Dip) * static_cast<float>(frames) /
                       (Lead_Rise_Seconds * static_cast<float>(std::max(1, rate_)));
    return std::min(1.0f, voice.Gain + rise);
}

void Mixer::Mix_Block(int16_t* out, int frames) {
    const auto samples = static_cast<ptrdiff_t>(frames) * 2;
    std::fill(sum_.begin(), sum_.begin() + samples, 0);
    std::fill(frequent_.begin(), frequent_.begin() + samples, 0);
    const Lead lead = Leading_Voice(frames);
    bool alert = false;
    for (Item& item : items_) {
        if (item.Role == Mix_Role::Frequent) {
            for (Voice& voice : item.Voices)
                if (voice.Playing) Mix_Voice(item, voice, frequent_.data(), frames);
            continue;
        }
        for (Voice& voice : item.Voices)
            if (voice.Playing &&
                Mix_Voice(item, voice, sum_.data(), frames, Next_Gain(item, voice, lead, frames)))
                alert = alert || item.Role == Mix_Role::Alert;
    }
    Master_Stage(out, frames, alert || lead.Order != 0);
}

namespace {

int16_t Round_To_Int16(float v) {
    return static_cast<int16_t>(std::clamp(v + (v < 0 ? -0.5f : 0.5f), -32768.0f, 32767.0f));
}

}  // namespace

// The buses meet (the frequent one dipped while an alert is heard or a cue leads in the block)
// and pass the gain control, the limiter and the player's level.
void Mixer::Master_Stage(int16_t* out, int frames, bool dip) {
    turned_.Frames += static_cast<uint64_t>(frames);
    constexpr float To_Unit = Master_Gain / 32768.0f;
    const float dip_to = dip ? Dip : 1.0f, dip_speed = dip ? dip_fall_ : dip_rise_;
    // The player's level comes after the limiter: a quieter game keeps the same shape.
    const float level = static_cast<float>(level_) / 100.0f * 32767.0f;
    for (size_t f = 0; f < static_cast<size_t>(frames); ++f) {
        dip_ += dip_speed * (dip_to - dip_);
        const float frequent = Frequent_Gain * To_Unit * dip_;
        float left = static_cast<float>(sum_[2 * f]) * To_Unit +
                     static_cast<float>(frequent_[2 * f]) * frequent;
        float right = static_cast<float>(sum_[2 * f + 1]) * To_Unit +
                      static_cast<float>(frequent_[2 * f + 1]) * frequent;
        rider_.Apply(left, right);
        limiter_.Apply(left, right);
        const float limited = limiter_.Gain();
        turned_.Limited += limited < 0.999f;
        const float gain = rider_.Gain() * limited;
        turned_.Over_3_Db += gain < 0.7079458f;  // -3 dB
        turned_.Over_6_Db += gain < 0.5011872f;  // -6 dB
        out[2 * f] = Round_To_Int16(left * level);
        out[2 * f + 1] = Round_To_Int16(right * level);
    }
}

void Mixer::Set_Level(int percent) {
    level_ = std::clamp(percent, 0, 100);
}

int Mixer::Voice_Count(int index) const {
    if (index < 0 || index >= static_cast<int>(items_.size())) return 0;
    return static_cast<int>(items_[static_cast<size_t>(index)].Voices.size());
}

int Mixer::Playing_Count(int index) const {
    if (index < 0 || index >= static_cast<int>(items_.size())) return 0;
    const auto& voices = items_[static_cast<size_t>(index)].Voices;
    return static_cast<int>(
        std::count_if(voices.begin(), voices.end(), [](const Voice& v) { return v.Playing; }));
}

const std::vector<int16_t>& Mixer::Prepared(int index) const {
    static const std::vector<int16_t> none;
    if (index < 0 || index >= static_cast<int>(items_.size())) return none;
    return items_[static_cast<size_t>(index)].Samples;
}

}  // namespace zarvo
