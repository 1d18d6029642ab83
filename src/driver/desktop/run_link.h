#pragma once
// A run as a link to the game's page, made as the page makes its own: the run's text with each
// event line's frame written as the frames since the line before, deflated (raw, no zlib
// header) and written in base64url after "#run=". The page opens such a link and plays the run.
#include <string>
#include <string_view>

namespace zarvo {

// The run's text with the frames of its event lines written apart (back: undone).
std::string Frames_Apart(std::string_view run_text, bool back);

// `page` (an address ending in /) + "#run=" + the packed run; empty when it cannot be packed.
std::string Run_Link(std::string_view page, std::string_view run_text);

}  // namespace zarvo
