#pragma once
// The help screen (F1 on the desktop, F1 or the ? button on the page), in the box of a game
// standing still, in two pages: how to play (the aim, what each pyramid's bonus gives, how shots
// are won, what the energy bars mean, what the code words are for), then the keys (as the
// settings file maps them), the controller and the comfort keys. Any key or click turns the
// page; after the last it closes.
#include <string>

#include "platform/surface.h"
#include "state/game.h"

namespace zarvo {

inline constexpr int Help_Pages = 2;

// The lines naming the keys that walk and fire, as the settings file maps them, and a line
// the shell adds of its own (the page's touch controls).
struct Key_Names {
    std::string Walk = "WALK: ARROWS OR K J H L";
    std::string Fire = "FIRE AND OK: SPACE OR ENTER";
    std::string Extra;
};

// Draws page 1 or 2 of the help.
void Show_Help(Game& g, Surface& picture, const Key_Names& keys, int page);
// The hint on the title's panel.
void Show_Help_Hint(Game& g);

}  // namespace zarvo
