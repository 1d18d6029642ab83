#pragma once
// The page sends its kept runs to the score board its site names: a meta tag
// <meta name="zarvo-board" content="URL"> in the page (content "none": no board), else the
// page's own origin; a page opened from a file sends nothing. A kept run waits in the outbox
// (game/run_outbox.h), kept in the browser's storage under "zarvo.outbox/" as well, and goes with
// fetch in the background; the board's answer marks it as the desktop's sender does. When the
// board cannot be reached the page tries again later, waiting longer each time; at start it
// sends what waits from before. An address that answers 404 or 405 has no board: the page stops
// trying until it is loaded again.
#include <string>

namespace zarvo {

inline constexpr const char* Outbox_Store_Prefix = "zarvo.outbox/";

// At start, after the runs are restored: the outbox as the storage keeps it, then what waits
// is sent.
void Start_Board_Sending();
// A run was kept as `run_file`: it waits and goes. Answers a line for the player when it
// cannot wait, else an empty text.
std::string Send_Run_From_Page(const std::string& run_file);

}  // namespace zarvo
