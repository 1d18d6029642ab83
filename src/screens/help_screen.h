#pragma once
// The help screen of F1: the aim of the game, its keys (as the settings file maps them), the
// controller and the comfort keys, in the box of a game standing still. Any key closes it.
#include <string>

#include "platform/surface.h"
#include "state/game.h"

namespace zarvo {

// The lines naming the keys that walk and fire, as the settings file maps them.
struct Key_Names {
    std::string Walk = "WALK: ARROWS OR K J H L";
    std::string Fire = "FIRE AND OK: SPACE OR ENTER";
};

void Show_Help(Game& g, Surface& picture, const Key_Names& keys);
// The hint on the title's panel.
void Show_Help_Hint(Game& g);

}  // namespace zarvo
