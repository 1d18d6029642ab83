#include "driver/options.h"

#include <charconv>
#include <cstring>

namespace zarvo {

namespace {

bool To_Number(const char* text, int64_t lo, int64_t hi, int64_t& value) {
    const char* end = text + std::strlen(text);
    auto [ptr, ec] = std::from_chars(text, end, value);
    return ec == std::errc() && ptr == end && value >= lo && value <= hi;
}

// The options that take a value, and where the value goes.
bool Take_Value(const std::string& name, const char* value, Program_Options& o,
                std::string& error) {
    int64_t n = 0;
    if (name == "--scale") {
        if (!To_Number(value, 1, 4, n)) return error = "--scale wants 1, 2, 3 or 4", false;
        o.Scale = static_cast<int32_t>(n);
    } else if (name == "--frames") {
        if (!To_Number(value, 0, 0x7FFFFFFF, n))
            return error = "--frames wants a count >= 0", false;
        o.Run.Frames = static_cast<int32_t>(n);
    } else if (name == "--seed") {
        if (!To_Number(value, 0, 0xFFFFFFFFll, n))
            return error = "--seed wants a number 0..4294967295", false;
        o.Seed = static_cast<uint32_t>(n);
    } else if (name == "--monkey") {
        if (!To_Number(value, 0, 0xFFFFFFFFll, n))
            return error = "--monkey wants a seed 0..4294967295", false;
        o.Run.Monkey = static_cast<uint32_t>(n);
    } else if (name == "--input") {
        o.Run.Input = value;
    } else if (name == "--dump") {
        o.Run.Dump = value;
    } else if (name == "--sound-log") {
        o.Run.Sound_Log = value;
    } else if (name == "--shot") {
        o.Run.Shot = value;
    } else if (name == "--assets") {
        o.Assets_Dir = value;
    } else if (name == "--record") {
        o.Record = value;
    } else {
        return error = "unknown option " + name, false;
    }
    return true;
}

bool Takes_Value(const std::string& name) {
    for (const char* known : {"--scale", "--frames", "--seed", "--input", "--dump", "--sound-log",
                              "--shot", "--assets", "--record", "--monkey"})
        if (name == known) return true;
    return false;
}

bool Check_Mode(const Program_Options& o, bool frames_given, std::string& error) {
    if (o.Headless) {
        if (!frames_given) return error = "--headless needs --frames N", false;
        if (!o.Record.empty() && !o.Run.Monkey)
            return error = "--record belongs to the windowed game or a --monkey run", false;
        if (o.Run.Monkey && !o.Run.Input.empty())
            return error = "--monkey plays by itself and takes no --input", false;
        if (o.Scale != 1) return error = "--scale belongs to the windowed game", false;
        return true;
    }
    if (frames_given || !o.Run.Input.empty() || !o.Run.Sound_Log.empty() || !o.Run.Shot.empty() ||
        o.Run.Monkey)
        return error = "--frames, --input, --monkey, --sound-log and --shot need --headless", false;
    return true;
}

}  // namespace

bool Parse_Options(int argc, const char* const* argv, Program_Options& o, std::string& error) {
    o = Program_Options{};
    bool frames_given = false;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--help" || name == "-h") {
            o.Help = true;
        } else if (name == "--version") {
            o.Version = true;
        } else if (name == "--headless") {
            o.Headless = true;
        } else if (!Takes_Value(name)) {
            return error = "unknown option " + name, false;
        } else if (i + 1 >= argc) {
            return error = name + " wants a value", false;
        } else {
            if (!Take_Value(name, argv[++i], o, error)) return false;
            frames_given = frames_given || name == "--frames";
        }
    }
    o.Run.Seed = o.Seed;
    if (o.Headless) o.Run.Record = o.Record;
    return o.Help || o.Version || Check_Mode(o, frames_given, error);
}

const char* Usage_Text() {
    return "Usage: zarvo [options]\n"
           "\n"
           "Without options the game opens its window and shows the title screen.\n"
           "\n"
           "Window:\n"
           "  --scale N          window N times larger (1..4, default 1), same game pixels\n"
           "  --record FILE      write every input event with its frame to FILE, to be\n"
           "                     replayed with --headless --input FILE\n"
           "  --dump FILE        write the game state as JSON to FILE when the window closes\n"
           "  --seed S           seed the random generator with S instead of the clock\n"
           "  --assets DIR       load images and sounds from DIR (default: the assets folder\n"
           "                     beside the program, else the installed one)\n"
           "\n"
           "Headless runner (no window, no sound device, as fast as it can):\n"
           "  --headless         run without a window; needs --frames\n"
           "  --frames N         run N frames of 24 ms game time\n"
           "  --seed S           seed (else the input script's seed line, else the clock)\n"
           "  --input FILE       input script, one event a line: FRAME EVENT ARGS\n"
           "                     key CODE | hold DIR | release DIR | move X Y | click |\n"
           "                     focus 0|1   (DIR: up, down, left, right); lines\n"
           "                     'seed S' and 'screen W H' set seed and screen size\n"
           "  --dump FILE        write the game state as JSON after the last frame\n"
           "  --sound-log FILE   one line per played sound: FRAME INDEX NAME\n"
           "  --shot FILE.bmp    the last frame as a 24-bit BMP\n"
           "  --monkey M         a restless random player (seed M; also the game's seed\n"
           "                     unless --seed is given) instead of a script, every frame\n"
           "                     checked against the game's invariants; --record FILE\n"
           "                     keeps its input as a script that replays the run\n"
           "  --assets DIR       as above\n"
           "\n"
           "  --help             this text\n"
           "  --version          print the version and stop\n"
           "\n"
           "Exit codes: 0 done, 1 start-up or file failure, 2 bad command line or input script,\n"
           "3 the monkey broke an invariant (frame, invariant and seed on stderr).\n";
}

}  // namespace zarvo
