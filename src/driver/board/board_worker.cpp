#include "driver/board/board_worker.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

#include "driver/board/isolated_verify.h"

namespace zarvo {

bool Work_One(Board_Store& store, const Assets* assets, const Board_Limits& limits,
              const std::string& worker) {
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    Claimed_Run claimed;
    if (!store.Claim_Run(worker, now, now + Lease_Of(limits), claimed)) {
        if (!store.Last_Error().empty())
            std::fprintf(stderr, "zarvo-board: %s\n", store.Last_Error().c_str());
        return false;
    }
    Board_Verdict v;
    if (claimed.Attempts > limits.Attempts)
        v.Reason =
            "no worker finished verifying it in " + std::to_string(limits.Attempts) + " attempts";
    else
        v = Verify_Isolated(claimed.File, assets, limits);
    if (!store.Finish_Run(claimed.Id, worker, v) && !store.Last_Error().empty())
        std::fprintf(stderr, "zarvo-board: %s\n", store.Last_Error().c_str());
    return true;
}

int64_t Run_Worker(Board_Store& store, const Assets* assets, const Board_Limits& limits,
                   const Worker_Options& options, const std::atomic<bool>& stop) {
    int64_t finished = 0;
    while (!stop) {
        if (Work_One(store, assets, limits, options.Name)) {
            ++finished;
            continue;
        }
        if (options.Until_Empty && store.Count(Run_State::Waiting) == 0) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(options.Idle_Ms));
    }
    return finished;
}

std::string Default_Worker_Name() {
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    return std::string(host) + ":" + std::to_string(getpid());
}

}  // namespace zarvo
