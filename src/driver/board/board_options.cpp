#include "driver/board/board_options.h"

#include <charconv>
#include <functional>
#include <map>

namespace zarvo {

namespace {

bool Whole(const std::string& text, int64_t low, int64_t high, int64_t& out) {
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && at == end && out >= low && out <= high;
}

template <typename T>
std::function<bool(const std::string&)> Number_Into(T& field, int64_t low, int64_t high) {
    return [&field, low, high](const std::string& text) {
        int64_t n = 0;
        if (!Whole(text, low, high, n)) return false;
        field = static_cast<T>(n);
        return true;
    };
}

std::function<bool(const std::string&)> Text_Into(std::string& field) {
    return [&field](const std::string& text) {
        field = text;
        return !text.empty();
    };
}

// The options that take a value.
std::map<std::string, std::function<bool(const std::string&)>> Valued(Board_Options& o) {
    Board_Limits& l = o.Server.Limits;
    return {
        {"--db", Text_Into(o.Server.Db)},
        {"--host", Text_Into(o.Server.Host)},
        {"--port", Number_Into(o.Server.Port, 0, 65535)},
        {"--site", Text_Into(o.Server.Site)},
        {"--page", Text_Into(o.Server.Links.Game_Page)},
        {"--board-url", Text_Into(o.Server.Links.Board)},
        {"--threads", Number_Into(o.Server.Threads, 1, 256)},
        {"--assets", Text_Into(o.Assets_Dir)},
        {"--name", Text_Into(o.Work.Name)},
        {"--max-body", Number_Into(l.Body_Bytes, 1024, 16 << 20)},
        {"--max-frames", Number_Into(l.Frames, 1, 10000000)},
        {"--cpu-seconds", Number_Into(l.Cpu_Seconds, 1, 3600)},
        {"--memory-mb", Number_Into(l.Memory_Mb, 64, 65536)},
        {"--posts-per-minute", Number_Into(l.Posts_Per_Minute, 0, 1000000)},
        {"--requests-per-minute", Number_Into(l.Requests_Per_Minute, 0, 100000000)},
        {"--lease-seconds", Number_Into(l.Lease_Seconds, 0, 86400)},
    };
}

}  // namespace

bool Parse_Board_Options(int argc, const char* const* argv, Board_Options& o, std::string& error) {
    auto valued = Valued(o);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h")
            o.Help = true;
        else if (arg == "--version")
            o.Version = true;
        else if (arg == "--worker")
            o.Worker = true;
        else if (arg == "--until-empty")
            o.Work.Until_Empty = true;
        else if (const auto it = valued.find(arg); it != valued.end()) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            if (!it->second(argv[++i])) {
                error = arg + ": bad value " + argv[i];
                return false;
            }
        } else {
            error = "unknown option " + arg + " (see --help)";
            return false;
        }
    }
    if (o.Server.Db.empty()) o.Server.Db = "zarvo-board.db";
    if (o.Work.Name.empty()) o.Work.Name = Default_Worker_Name();
    return true;
}

const char* Board_Usage_Text() {
    return R"(Usage: zarvo-board [options]            serve the board
       zarvo-board --worker [options]   verify the runs sent to it

  --db FILE|URL             an SQLite file (default zarvo-board.db) or postgresql://...
  --host ADDRESS            the address to listen on (default 127.0.0.1)
  --port N                  the port (default 8080; 0 any free port, printed at start)
  --site DIR                also serve the game's site folder (the board's page is then /board)
  --page URL                the game page the entries open (default /)
  --board-url URL           this board as the game page reaches it (default: the same origin)
  --threads N               connections served at once (default 16)
  --max-body BYTES          the largest run taken (default 1048576): 413
  --max-frames N            the longest run taken (default 300000): 422
  --cpu-seconds N           CPU time a replay may take (default 60)
  --memory-mb N             memory a replay may take (default 512)
  --posts-per-minute N      runs sent per address and minute (default 20; 0 no limit): 429
  --requests-per-minute N   requests per address and minute (default 6000; 0 no limit): 429
  --lease-seconds N         how long a worker holds a run (default twice the CPU time + 30)
  --assets DIR              worker: the game's assets (default: found beside the program)
  --name NAME               worker: the name its leases carry (default host:pid)
  --until-empty             worker: stop when no run is waiting
  --version, --help
)";
}

}  // namespace zarvo
