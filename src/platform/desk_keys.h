#pragma once
// The keys and controller buttons of the desktop comforts (fullscreen, pause, sound level,
// replay speed, the press of the button under the pointer), as every backend reports them;
// the game's own keys are not among them.
namespace zarvo {

enum class Desk_Key {
    Other,
    Fullscreen,  // F11, or Alt with Enter
    Help,        // F1
    Pause,       // the Pause key
    Escape,
    Press,  // either Ctrl
    P,
    M,
    Mute,  // the keyboard's mute key, which the page's touch button for the sound sends too
    F,
    Space,
    Volume_Down,  // minus on the main keys or the keypad
    Volume_Up,    // plus (or the = key it shares) on the main keys, or the keypad's plus
};

// A controller's A, Start, Back and X buttons (a plain joystick's first two are A and X).
enum class Pad_Button { Other, Confirm, Start, Back, Press };

}  // namespace zarvo
