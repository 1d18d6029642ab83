#pragma once
// Input scripts: the events of a game, one per line, as the headless runner replays them and
// the windowed game records them.
//
//   seed S              the generator's seed (a line without frame number)
//   screen W H          the size of the screen the window was centred on (no frame number)
//   F key CODE          key-down: 0 (any other key), 8, 13, 32, 65-90, 97-122
//   F hold DIR          a direction key goes down: up, down, left or right
//   F release DIR       ... and comes up again
//   F move X Y          the pointer moves to window pixel (X, Y)
//   F click             a left click at the pointer
//   F focus 0|1         the window loses / regains input focus
//   F pause 0|1         the player pauses / resumes the game (as focus: frames without ticks)
//   F mute 0|1          the sound is switched off / on again
//   F volume V          the sound level becomes V percent (0..100)
//   frames N            the recording's length (no frame number; a replay ends after it)
//
// Frames count from 1; the events of frame F arrive after tick F-1 and before tick F.
// Blank lines and lines starting with # are ignored.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/key_code.h"

namespace zarvo {

enum class Event_Kind { Key, Hold, Release, Move, Click, Focus, Pause, Mute, Volume };
enum class Direction { Up, Down, Left, Right };

struct Script_Event {
    int32_t Frame = 1;
    Event_Kind Kind = Event_Kind::Key;
    int32_t A = 0;  // key code, direction, X, focus, pause, mute or volume
    int32_t B = 0;  // Y
    bool operator==(const Script_Event&) const = default;
};

struct Screen_Size {
    int32_t Width = 1024, Height = 768;
    bool operator==(const Screen_Size&) const = default;
};

struct Script {
    std::optional<uint32_t> Seed;
    Screen_Size Screen;
    std::optional<int32_t> Frames;     // the recording's length
    std::vector<Script_Event> Events;  // in frame order, file order within a frame
    std::string Warning;               // a line for the player (a recording cut short)
};

// Parses a whole script. On a malformed line answers false with error naming the line.
bool Parse_Script(const std::string& text, Script& out, std::string& error);

// Reads and parses a script file line by line (a line of more than 4096 bytes is malformed,
// and reading stops there; so does a script of more than 64 MB, an endless device or pipe;
// a byte order mark before the first line is skipped). Answers 0, or 1 when the file cannot be read
// and 2 when a line is malformed, with `error` naming the file and the line. A malformed last
// line without its newline is a recording cut short: the script ends before it, and
// out.Warning says so.
int Read_Script(const std::string& path, Script& out, std::string& error);

// One event line, "F EVENT ARGS" (not a seed, screen or frames line). Answers an empty text
// when it is well formed, else what is wrong with it.
std::string Parse_Event_Line(const std::string& line, Script_Event& e);

// One event as a script line (without newline).
std::string Format_Event(const Script_Event& e);

// A key code a script may carry.
bool Valid_Script_Key(int32_t code);

// A key-down as a script event, and the key of one: a script holds the key's number.
constexpr Script_Event Key_Event(int32_t frame, Key_Code key) {
    return {frame, Event_Kind::Key, Key_Number(key), 0};
}
constexpr Key_Code Event_Key(const Script_Event& e) {
    return Key_Of_Number(e.A);
}

}  // namespace zarvo
