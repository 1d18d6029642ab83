// zarvo_wavemeter ASSET_DIR [--check]: measures every wave of the wave list in ASSET_DIR
// (length, peak, RMS, the loudest 100 ms plain and as ears hear it, DC offset, the jump at the
// first and last sample)
// and prints one line each. With --check it also names every wave that breaks the level
// rules and exits with 1 when any does.
// zarvo_wavemeter --mix FILE.wav: the integrated loudness, loudness range and loudest 100 ms
// of a whole mix (the game's --audio-out).
#include <cstdio>
#include <cstring>
#include <string>

#include "assets/asset_loader.h"
#include "assets/catalogue.h"
#include "mix_measure.h"
#include "platform/wave_file.h"
#include "wave_measure.h"

namespace {

int Measure_Mix_File(const char* path) {
    zarvo::Sound sound;
    std::string error;
    if (!zarvo::Read_Wav(path, sound, error) || sound.Bits != 16 || sound.Channels != 2) {
        std::fprintf(stderr, "zarvo_wavemeter: %s: %s\n", path,
                     error.empty() ? "not a 16-bit stereo mix" : error.c_str());
        return 1;
    }
    std::vector<int16_t> samples(sound.Data.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(sound.Data[2 * i] | (sound.Data[2 * i + 1] << 8));
    const wavemeter::Mix_Figures m = wavemeter::Measure_Mix(samples, sound.Rate);
    std::printf("integrated %.1f LUFS, range %.1f LU, loudest 100 ms %.1f LUFS\n", m.Integrated,
                m.Range, wavemeter::Loudest_Window(samples, sound.Rate));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--mix") == 0) return Measure_Mix_File(argv[2]);
    const bool check = argc == 3 && std::strcmp(argv[2], "--check") == 0;
    if (argc != 2 && !check) {
        std::fprintf(stderr,
                     "usage: zarvo_wavemeter ASSET_DIR [--check]\n"
                     "       zarvo_wavemeter --mix FILE.wav\n");
        return 2;
    }
    std::vector<wavemeter::Wave_Measure> waves;
    for (int i = 0; i < zarvo::Wave::Count; ++i) {
        const std::string path = std::string(argv[1]) + "/" + zarvo::Wave_File_Name(i);
        zarvo::Sound sound;
        std::string error;
        if (!zarvo::Read_Wav(path, sound, error)) {
            std::fprintf(stderr, "zarvo_wavemeter: %s: %s\n", path.c_str(), error.c_str());
            return 1;
        }
        waves.push_back(wavemeter::Measure_Wave(sound, zarvo::Wave_List[i].Name));
    }
    using wavemeter::Db;
    std::printf("%-12s %8s %8s %8s %9s %9s %8s %7s %7s\n", "wave", "ms", "peak dB", "RMS dB",
                "loud100", "loudness", "DC", "first", "last");
    for (const auto& m : waves)
        std::printf("%-12s %8.0f %8.2f %8.2f %9.2f %9.2f %8.4f %7.4f %7.4f\n", m.Name.c_str(),
                    m.Length_Ms, Db(m.Peak), Db(m.Rms), Db(m.Loudest_Window), m.Loudness, m.Dc,
                    m.First_Jump, m.Last_Jump);
    double lo = 1e9, hi = -1e9;
    for (const auto& m : waves) lo = std::min(lo, Db(m.Rms)), hi = std::max(hi, Db(m.Rms));
    std::printf("median RMS %.2f dBFS, spread %.2f dB (%.2f .. %.2f)\n",
                wavemeter::Median_Rms_Db(waves), hi - lo, lo, hi);
    if (!check) return 0;
    const auto problems = wavemeter::Level_Problems(waves);
    for (const auto& p : problems) std::printf("LIMIT %s\n", p.c_str());
    std::printf("%zu waves, %zu broken limits\n", waves.size(), problems.size());
    return problems.empty() ? 0 : 1;
}
