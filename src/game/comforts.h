#pragma once
// The desktop comforts around the game: which key does what, and the sound level. The game's
// rules never see them; pause only stops the ticks, as a window without focus does.
#include "platform/desk_keys.h"
#include "state/world.h"

namespace zarvo {

// Press clicks where the game's pointer stands, as the left button does.
enum class Desk_Action {
    None,
    Fullscreen,
    Help,
    Pause,
    Mute,
    Volume_Down,
    Volume_Up,
    Fast_Forward,
    Press
};

// A name or a code word is being typed: P and M are letters then.
bool Typing(const World& w);
// A game is running (not the title, a box or the name entry): what pause stops.
bool Game_In_Progress(const World& w);

// What a desk key does. Escape pauses as P does, but also while a name is typed (it types
// nothing). While watching a replay Space pauses, F fast-forwards and Ctrl presses nothing.
Desk_Action Desk_Action_For(Desk_Key key, bool typing, bool replay);

// What a controller's button does: A and Start are Enter (A also fires), Back pauses, X presses
// the button under the pointer.
enum class Pad_Does { Nothing, Enter, Pause, Press };
Pad_Does Pad_Does_For(Pad_Button button);

// The sound level after a step of the minus or plus key: 10 percent, kept within 0..100.
int Volume_Step(int volume, int step);
// The level the sound device plays at.
inline int Sound_Level(int volume, bool muted) {
    return muted ? 0 : volume;
}

}  // namespace zarvo
