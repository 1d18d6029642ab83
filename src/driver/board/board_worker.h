#pragma once
// A worker: claims waiting runs one at a time, verifies each in a child process of its own
// and stores the verdict. Any number of workers, on any machines, share one database; a
// worker killed mid-run leaves its lease to run out, and the run is claimed again.
#include <atomic>
#include <string>

#include "driver/board/board_limits.h"
#include "driver/board/board_store.h"
#include "platform/media.h"

namespace zarvo {

struct Worker_Options {
    std::string Name;          // who holds a lease: host and process by default
    int32_t Idle_Ms = 250;     // the wait when no run is waiting
    bool Until_Empty = false;  // stop when no run waits (the bench and the tests)
};

// Works until `stop` is set (or, Until_Empty, until nothing waits); answers the runs finished.
int64_t Run_Worker(Board_Store& store, const Assets* assets, const Board_Limits& limits,
                   const Worker_Options& options, const std::atomic<bool>& stop);

// Takes one waiting run and verifies it; false when none is waiting.
bool Work_One(Board_Store& store, const Assets* assets, const Board_Limits& limits,
              const std::string& worker);

std::string Default_Worker_Name();

}  // namespace zarvo
