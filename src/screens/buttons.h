#pragma once
// The buttons of the screens. A button is hit when a click is pending and the pointer lies in
// its rectangle (both ends included); a hit consumes the click and sounds the click wave.
#include "screens/panel.h"
#include "state/game.h"

namespace zarvo {

struct Button {
    int Left, Top, Right, Bottom;
};

inline bool Pointer_In(const GameState& s, const Button& b) {
    return s.Mouse_X >= b.Left && s.Mouse_X <= b.Right && s.Mouse_Y >= b.Top &&
           s.Mouse_Y <= b.Bottom;
}

inline bool Clicked(const GameState& s, const Button& b) {
    return s.Mouse_Clicked && Pointer_In(s, b);
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

}  // namespace zarvo
