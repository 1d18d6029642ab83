#pragma once
// Verifying a run in a process of its own: a child with a CPU-time and a memory limit, which
// dies with its worker. A run that crashes the replay, never ends or eats the memory takes
// down nothing but that child, and is refused with what happened.
#include <string>

#include "driver/board/board_limits.h"
#include "driver/board/board_store.h"
#include "platform/media.h"

namespace zarvo {

Board_Verdict Verify_Isolated(const std::string& file, const Assets* assets,
                              const Board_Limits& limits);

// What the child writes back through its pipe, and how the worker reads it.
std::string Verdict_Text(const Board_Verdict& v);
bool Read_Verdict_Text(const std::string& text, Board_Verdict& v);

}  // namespace zarvo
