// The input-script parser: any text is read or refused with a line number, and every event
// read comes back the same when written out and read again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/script.h"

using namespace zarvo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Script script;
    std::string error;
    if (!Parse_Script(text, script, error)) {
        if (error.rfind("line ", 0) != 0) std::abort();
        return 0;
    }
    for (size_t i = 1; i < script.Events.size(); ++i)
        if (script.Events[i].Frame < script.Events[i - 1].Frame) std::abort();
    std::string written;
    for (const Script_Event& e : script.Events) written += Format_Event(e) + "\n";
    Script again;
    if (!Parse_Script(written, again, error) || again.Events != script.Events) std::abort();
    return 0;
}
