#include "driver/board/isolated_verify.h"

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <new>
#include <sstream>

#include "game/run_file.h"
#include "game/run_verify.h"

namespace zarvo {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Address_Sanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool Address_Sanitizer = true;
#else
constexpr bool Address_Sanitizer = false;
#endif
#else
constexpr bool Address_Sanitizer = false;
#endif

Board_Verdict Verify_Text(const std::string& file, const Assets* assets) {
    Board_Verdict v;
    Game_Run run;
    if (Parse_Run(file, run, v.Reason) != 0) return v;
    const Run_Verdict r = Verify_Run(run, assets);
    v.Verified = r.Verified;
    v.Reason = r.Reason;
    v.Score = r.Replayed.Score;
    v.Difficulty = r.Replayed.Game_Difficulty;
    v.Reached_Difficulty = r.Replayed.Difficulty;
    v.Reached_Level = r.Replayed.Level;
    v.Frames = r.Frames_Played;
    v.Codes = r.Replayed.Immortal || r.Replayed.Fire;
    return v;
}

void Limit(int resource, rlim_t soft, rlim_t hard) {
    const rlimit l{soft, hard};
    setrlimit(resource, &l);
}

// The child: limits itself, verifies, writes the verdict and leaves without running any of
// the parent's exit handlers (its database connection stays the parent's).
[[noreturn]] void Child(int out, const std::string& file, const Assets* assets,
                        const Board_Limits& limits) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const auto cpu = static_cast<rlim_t>(limits.Cpu_Seconds);
    Limit(RLIMIT_CPU, cpu, cpu + 1);
    if (!Address_Sanitizer) {  // its shadow memory alone is terabytes of address space
        const rlim_t memory = static_cast<rlim_t>(limits.Memory_Mb) << 20;
        Limit(RLIMIT_AS, memory, memory);
    }
    Limit(RLIMIT_CORE, 0, 0);
    Board_Verdict v;
    try {
        v = Verify_Text(file, assets);
    } catch (const std::bad_alloc&) {
        v.Reason = "the replay needed more than " + std::to_string(limits.Memory_Mb) + " MB";
    }
    const std::string text = Verdict_Text(v);
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(out, text.data() + written, text.size() - written);
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    _exit(0);
}

// Reads the child's answer until it closes its end, for at most `wall_ms`; false on timeout.
bool Read_All(int in, int wall_ms, std::string& text) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(wall_ms);
    char buffer[4096];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd p{in, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
        const ssize_t n = read(in, buffer, sizeof buffer);
        if (n <= 0) return true;
        text.append(buffer, static_cast<size_t>(n));
    }
}

Board_Verdict Child_Ended(int status, bool timed_out, const std::string& text,
                          const Board_Limits& limits) {
    Board_Verdict v;
    const bool cpu =
        WIFSIGNALED(status) && (WTERMSIG(status) == SIGXCPU || WTERMSIG(status) == SIGKILL);
    if (timed_out || cpu) {
        v.Reason = "the replay took more than the " + std::to_string(limits.Cpu_Seconds) +
                   " s of CPU time this board gives a run";
    } else if (WIFSIGNALED(status)) {
        v.Reason = "the replay crashed (signal " + std::to_string(WTERMSIG(status)) + ")";
    } else if (!Read_Verdict_Text(text, v)) {
        v = {};
        v.Reason = "the replay ended without a verdict";
    }
    return v;
}

}  // namespace

Board_Verdict Verify_Isolated(const std::string& file, const Assets* assets,
                              const Board_Limits& limits) {
    int pipe_ends[2];
    Board_Verdict v;
    if (pipe(pipe_ends) != 0) {
        v.Reason = "the worker could not start a replay";
        return v;
    }
    const pid_t child = fork();
    if (child == 0) {
        close(pipe_ends[0]);
        Child(pipe_ends[1], file, assets, limits);
    }
    close(pipe_ends[1]);
    std::string text;
    const bool in_time =
        child > 0 && Read_All(pipe_ends[0], (limits.Cpu_Seconds * 2 + 5) * 1000, text);
    close(pipe_ends[0]);
    if (child < 0) {
        v.Reason = "the worker could not start a replay";
        return v;
    }
    if (!in_time) kill(child, SIGKILL);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return Child_Ended(status, !in_time, text, limits);
}

// One field a line: verified, score, difficulty, reached difficulty and level, frames, codes,
// and the reason last (it may hold anything but a line end).
std::string Verdict_Text(const Board_Verdict& v) {
    std::ostringstream out;
    out << v.Verified << "\n"
        << v.Score << "\n"
        << v.Difficulty << "\n"
        << v.Reached_Difficulty << "\n"
        << v.Reached_Level << "\n"
        << v.Frames << "\n"
        << v.Codes << "\n"
        << v.Reason;
    return out.str();
}

bool Read_Verdict_Text(const std::string& text, Board_Verdict& v) {
    std::istringstream in(text);
    if (!(in >> v.Verified >> v.Score >> v.Difficulty >> v.Reached_Difficulty >> v.Reached_Level >>
          v.Frames >> v.Codes))
        return false;
    in.get();
    std::getline(in, v.Reason);
    return true;
}

}  // namespace zarvo
