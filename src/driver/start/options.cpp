#include "driver/start/options.h"

#include <charconv>
#include <cstring>

#include "driver/start/settings.h"

namespace zarvo {

namespace {

bool To_Number(const char* text, int64_t lo, int64_t hi, int64_t& value) {
    const char* end = text + std::strlen(text);
    auto [ptr, ec] = std::from_chars(text, end, value);
    return ec == std::errc() && ptr == end && value >= lo && value <= hi;
}

bool Names_A_Path(const std::string& name) {
    for (const char* path : {"--input", "--dump", "--sound-log", "--shot", "--assets", "--record",
                             "--scores", "--replay"})
        if (name == path) return true;
    return false;
}

// The options that take a value, and where the value goes.
bool Take_Value(const std::string& name, const char* value, Program_Options& o,
                std::string& error) {
    int64_t n = 0;
    if (Names_A_Path(name) && value[0] == '\0')
        return error = name + " wants a " + (name == "--assets" ? "folder" : "file") +
                       " name, not an empty text",
               false;
    if (name == "--scale") {
        if (!To_Number(value, 1, Max_Scale, n)) return error = "--scale wants a factor 1..8", false;
        o.Scale = static_cast<int32_t>(n);
    } else if (name == "--volume") {
        if (!To_Number(value, 0, 100, n))
            return error = "--volume wants a percentage 0..100", false;
        o.Volume = static_cast<int32_t>(n);
    } else if (name == "--scores") {
        o.Scores = value;
    } else if (name == "--replay") {
        o.Replay = value;
    } else if (name == "--frames") {
        if (!To_Number(value, 0, 0x7FFFFFFF, n))
            return error = "--frames wants a count >= 0", false;
        o.Run.Frames = static_cast<int32_t>(n);
    } else if (name == "--seed") {
        if (!To_Number(value, 0, 0xFFFFFFFFll, n))
            return error = "--seed wants a number 0..4294967295", false;
        o.Seed = static_cast<uint32_t>(n);
    } else if (name == "--difficulty") {
        if (!To_Number(value, 1, 3, n))
            return error = "--difficulty wants 1 (NOVICE), 2 (NORMAL) or 3 (EXPERT)", false;
        o.Difficulty = static_cast<int32_t>(n);
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
    } else if (name == "--audio-out") {
        o.Run.Audio_File = value;
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
                              "--shot", "--assets", "--record", "--monkey", "--volume", "--scores",
                              "--replay", "--audio-out", "--difficulty"})
        if (name == known) return true;
    return false;
}

// The daily game is the windowed game's, on the day's own seed.
bool Check_Daily(const Program_Options& o, std::string& error) {
    if (o.Difficulty && !o.Daily) return error = "--difficulty belongs to --daily", false;
    if (o.Daily && (o.Headless || o.Seed || !o.Replay.empty()))
        return error =
                   "--daily plays the day's own seed in the window; it takes no --seed, "
                   "--replay or --headless",
               false;
    return true;
}

bool Check_Mode(const Program_Options& o, bool frames_given, std::string& error) {
    if (!Check_Daily(o, error)) return false;
    if (o.Headless) {
        if (!frames_given) return error = "--headless needs --frames N", false;
        if (o.Run.Monkey && !o.Run.Input.empty())
            return error = "--monkey plays by itself and takes no --input", false;
        if (!o.Replay.empty() || o.Scale || o.Window || o.Fullscreen || o.Volume)
            return error =
                       "--replay, --scale, --window, --fullscreen and --volume belong to the "
                       "windowed game",
                   false;
        return true;
    }
    if (!o.Replay.empty() && !o.Record.empty())
        return error = "--replay shows a recording; it cannot record one", false;
    if (frames_given || !o.Run.Input.empty() || !o.Run.Sound_Log.empty() || !o.Run.Shot.empty() ||
        o.Run.Monkey || !o.Run.Audio_File.empty())
        return error =
                   "--frames, --input, --monkey, --sound-log, --audio-out and --shot need "
                   "--headless",
               false;
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
        } else if (name == "--window") {
            o.Window = true;
        } else if (name == "--fullscreen") {
            o.Fullscreen = true;
        } else if (name == "--daily") {
            o.Daily = true;
        } else if (name == "--no-config") {
            o.No_Config = true;
        } else if (name == "--verify") {
            // The words after it up to the next option are run files.
            const size_t before = o.Verify.size();
            for (; i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0; ++i)
                o.Verify.push_back(argv[i + 1]);
            if (o.Verify.size() == before)
                return error = "--verify wants one or more run files", false;
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
    if (!o.Verify.empty() &&
        (o.Headless || !o.Record.empty() || !o.Replay.empty() || o.Daily || o.Difficulty))
        return error = "--verify replays runs by itself; it takes only --assets", false;
    if (!o.Verify.empty()) return true;
    return o.Help || o.Version || Check_Mode(o, frames_given, error);
}

// The help text, a table of what the command line takes.
constexpr const char Usage[] = "Usage: zarvo [options]\n"
           "\n"
           "Without options the game opens its window and shows the title screen.\n"
           "\n"
           "Window and sound, for this run (what F11, M, - and + set is remembered in\n"
           "$XDG_CONFIG_HOME/zarvo/zarvo.conf, which may also name other keys):\n"
           "  --scale N          window N times larger (1..8, default 1; at most what fits)\n"
           "  --window           a normal window: decorated, movable, resizable\n"
           "  --fullscreen       start on the whole display (F11 or Alt+Enter switch)\n"
           "  --volume V         sound level in percent, 0..100\n"
           "  --no-config        neither read nor write the settings file\n"
           "\n"
           "Keys:\n"
           "  walk               cursor keys, K J H L, keypad 8 2 4 6\n"
           "  fire, confirm      Space or Enter\n"
           "  names, code words  letters, Backspace, Enter to finish\n"
           "  pause              P or Pause (P is a letter while typing)\n"
           "  fullscreen         F11 or Alt+Enter\n"
           "  sound              M off and on, - and + level\n"
           "  help               F1\n"
           "\n"
           "Windowed game:\n"
           "  --scores FILE      the score table (default: Zarvo.Scr here if there is one,\n"
           "                     else $XDG_DATA_HOME/zarvo/Zarvo.Scr)\n"
           "  --record FILE      write every input event with its frame to FILE, to be\n"
           "                     replayed with --replay FILE or --headless --input FILE\n"
           "  --replay FILE      watch a recording at its own speed (Space or Pause pauses,\n"
           "                     F runs four times as fast); then the title screen\n"
           "  --dump FILE        write the game state as JSON to FILE when the window closes\n"
           "  --seed S           seed the random generator with S instead of the clock\n"
           "  --daily            play the day's game: the same for everyone that day (UTC),\n"
           "                     started at once; at its end a line to paste anywhere\n"
           "  --difficulty D     the daily game's difficulty: 1 NOVICE (default), 2 NORMAL,\n"
           "                     3 EXPERT\n"
           "  --assets DIR       load images and sounds from DIR (default: the assets folder\n"
           "                     beside the program, else the installed one)\n"
           "\n"
           "Runs (a recording with its claims; every score in the table keeps its run in the\n"
           "folder runs/ beside the score file):\n"
           "  --verify FILE...   replay each run without a window and check what it claims:\n"
           "                     one line per run; exit 0 when all verify, 1 when one does\n"
           "                     not, 2 when a file is not a run\n"
           "\n"
           "Headless runner (no window, no sound device, as fast as it can):\n"
           "  --headless         run without a window; needs --frames\n"
           "  --frames N         run N frames of 24 ms game time\n"
           "  --seed S           seed (else the input script's seed line, else the clock)\n"
           "  --input FILE       input script, one event a line: FRAME EVENT ARGS\n"
           "                     key CODE | hold DIR | release DIR | move X Y | click |\n"
           "                     focus 0|1 | pause 0|1 | mute 0|1 | volume V\n"
           "                     (DIR: up, down, left, right); lines\n"
           "                     'seed S' and 'screen W H' set seed and screen size\n"
           "  --dump FILE        write the game state as JSON after the last frame\n"
           "  --scores FILE      the score table (default: a fresh one of its own, removed\n"
           "                     at the end; a player's table is never touched)\n"
           "  --sound-log FILE   one line per played sound: FRAME INDEX NAME\n"
           "  --audio-out FILE   the mix as a 16-bit stereo wave at 44.1 kHz, exactly as the\n"
           "                     sound device gets it; prints how often the master stage\n"
           "                     turned the mix down by more than 3 and 6 dB\n"
           "  --shot FILE.bmp    the last frame as a 24-bit BMP\n"
           "  --monkey M         a restless random player (seed M; also the game's seed\n"
           "                     unless --seed is given) instead of a script, every frame\n"
           "                     checked against the game's invariants; prints the frames\n"
           "                     and ticks it played\n"
           "  --record FILE      the run played (also of an --input script: a recording of\n"
           "                     the older kind becomes a run)\n"
           "  --assets DIR       as above\n"
           "\n"
           "  --help             this text\n"
           "  --version          print the version and stop\n"
           "\n"
           "Exit codes: 0 done, 1 start-up or file failure (or a run that does not verify),\n"
           "2 bad command line, input script or run, 3 the monkey broke an invariant (frame,\n"
           "invariant and seed on stderr).\n";

const char* Usage_Text() {
    return Usage;
}

}  // namespace zarvo
