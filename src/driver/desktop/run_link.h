#pragma once
// A run as a link to the game's page, made as the page makes its own: the run file's text
// deflated (raw, no zlib header) and written in base64url after "#run=". The page opens such a
// link and plays the run.
#include <string>
#include <string_view>

namespace zarvo {

// `page` (an address ending in /) + "#run=" + the packed run; empty when it cannot be packed.
std::string Run_Link(std::string_view page, std::string_view run_text);

}  // namespace zarvo
