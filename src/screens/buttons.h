#pragma once
// The buttons of the screens. A button is hit when a click is pending that was made in its
// rectangle (both ends included), wherever the pointer has gone since; a hit consumes the click
// and sounds the click wave.
#include "screens/panel.h"
#include "screens/screen_rects.h"
#include "state/game.h"

namespace zarvo {

inline bool Clicked(const Game_State& s, const Button& b) {
    return s.Mouse_Clicked && b.Contains(s.Click_X, s.Click_Y);
}

// Consumes the pending click and sounds it.
inline void Press_Button(Game& g) {
    g.w.game.Mouse_Clicked = false;
    g.m.Play_Wave(Wave::Click);
}

// Consumes the pending click, sounds it and starts the star burst at the button's centre.
inline void Press_Button(Game& g, int burst_x, int burst_y) {
    Press_Button(g);
    Start_Message_Explose(g, burst_x, burst_y);
}
inline void Press_Button(Game& g, Screen_Point burst) {
    Press_Button(g, burst.X, burst.Y);
}

}  // namespace zarvo
