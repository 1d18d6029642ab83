#pragma once
// The direction keys (and a controller's pad) on the screens where they steer nothing: the
// title, the option and score screens and the boxes. There they move the game's own pointer
// from button to button, so that a player without a mouse reaches every button; the driver's
// press key then clicks where the pointer stands.
#include <span>

#include "screens/screen_rects.h"
#include "state/game.h"

namespace zarvo {

// A button the pointer can be steered to, and where it is put on it.
struct Steer_Stop {
    Button Area;
    Screen_Point Place;
};

// The buttons of the screen up now, or none while the figure walks or a text is typed.
std::span<const Steer_Stop> Steer_Stops(const Game_State& s);

// The stop the pointer at `from` goes to in direction `dir`: of the stops beyond the pointer
// that way, the nearest, counting a stop beside the way twice its distance from it; `from`
// itself when there is none.
Screen_Point Next_Stop(std::span<const Steer_Stop> stops, Screen_Point from, Steer_Dir dir);

// Called once a frame after the input is polled: a direction key that goes down moves the
// pointer one stop, and one held down repeats after a while.
void Steer_Pointer(Game& g);

}  // namespace zarvo
