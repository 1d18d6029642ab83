#pragma once
// The desktop comforts around the game: which key does what, and the sound level. The game's
// rules never see them; pause only stops the ticks, as a window without focus does.
#include "platform/desk_keys.h"
#include "state/world.h"

namespace zarvo {

enum class Desk_Action { None, Fullscreen, Help, Pause, Mute, Volume_Down, Volume_Up, Fast_Forward };

// A name or a code word is being typed: P and M are letters then.
bool Typing(const World& w);
// A game is running (not the title, a box or the name entry): what pause stops.
bool Game_In_Progress(const World& w);

// What a desk key does. While watching a replay Space pauses and F fast-forwards.
Desk_Action Desk_Action_For(Desk_Key key, bool typing, bool replay);

// What a controller's button does: A and Start are Enter (A also fires), Back pauses.
enum class Pad_Does { Nothing, Enter, Pause };
Pad_Does Pad_Does_For(Pad_Button button);

// The sound level after a step of the minus or plus key: 10 percent, kept within 0..100.
int Volume_Step(int volume, int step);
// The level the sound device plays at.
inline int Sound_Level(int volume, bool muted) {
    return muted ? 0 : volume;
}

}  // namespace zarvo
