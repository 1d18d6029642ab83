// The run parser: any bytes are read as a run or refused with a reason (never a crash, never
// more memory than the limits allow), and a run read comes back the same when written out and
// read again, its check line holding.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/run_file.h"

using namespace zarvo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Game_Run run;
    std::string error;
    if (Parse_Run(text, run, error) != 0) {
        if (error.empty() || run.Is_Run) std::abort();
        return 0;
    }
    if (!run.Is_Run || !run.Input.Frames) std::abort();
    for (size_t i = 1; i < run.Input.Events.size(); ++i)
        if (run.Input.Events[i].Frame < run.Input.Events[i - 1].Frame) std::abort();
    Game_Run again;
    if (Parse_Run(Format_Run(run), again, error) != 0 || !again.Header.Check_Holds) std::abort();
    const Run_Header &a = run.Header, &b = again.Header;
    if (a.Tables != b.Tables || a.Name != b.Name || a.Score != b.Score || a.Pace != b.Pace ||
        a.Digest != b.Digest || a.Date != b.Date || a.Game_Version != b.Game_Version ||
        again.Input.Events != run.Input.Events || again.Input.Frames != run.Input.Frames ||
        again.Input.Seed != run.Input.Seed || again.Input.Screen != run.Input.Screen)
        std::abort();
    return 0;
}
