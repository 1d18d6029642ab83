#include "screens/pointer_steer.h"

#include <array>
#include <cstdlib>

namespace zarvo {

namespace {

// A held key moves again after this many frames, then every few frames.
constexpr int Steer_Repeat_Delay = 12;
constexpr int Steer_Repeat_Every = 5;

constexpr Steer_Stop Stop(const Button& b, Screen_Point place) {
    return {b, place};
}

// The title's six buttons, left to right; QUIT has no burst, the pointer goes where the
// others put theirs.
constexpr std::array<Steer_Stop, 6> Title_Stops = {
    Stop(Title_Background_Button, Title_Background_Burst),
    Stop(Title_CodeWord_Button, Title_CodeWord_Burst),
    Stop(Title_Score_Button, Title_Score_Burst),
    Stop(Title_Option_Button, Title_Option_Burst),
    Stop(Title_Start_Button, Title_Start_Burst),
    Stop(Title_Quit_Button, {Title_Quit_Button.Left + 32, Title_Start_Burst.Y}),
};

constexpr std::array<Steer_Stop, 5> Score_Stops = {
    Stop(Score_Tab_Button(1), {291, 130}), Stop(Score_Tab_Button(2), {351, 130}),
    Stop(Score_Tab_Button(3), {411, 130}), Stop(Score_Delete_Button, Score_Delete_Burst),
    Stop(Score_OK_Button, Score_OK_Burst),
};

constexpr Steer_Stop Level_Stop(int level) {
    return Stop(Option_Level_Row(level), {291, 190 + 13 * (level - 1)});
}

constexpr std::array<Steer_Stop, 12> Option_Stops = {
    Stop(Option_Difficulty_Button(1), {291, 170}),
    Stop(Option_Difficulty_Button(2), {351, 170}),
    Stop(Option_Difficulty_Button(3), {411, 170}),
    Level_Stop(1),
    Level_Stop(2),
    Level_Stop(3),
    Level_Stop(4),
    Level_Stop(5),
    Level_Stop(6),
    Level_Stop(7),
    Level_Stop(8),
    Stop(Option_OK_Button, Option_OK_Burst),
};

constexpr std::array<Steer_Stop, 1> Box_Stops = {Stop(Box_OK_Button, Box_OK_Burst)};
constexpr std::array<Steer_Stop, 1> CodeWord_Stops = {Stop(CodeWord_OK_Button, CodeWord_OK_Burst)};

// The title frame's screens, topmost first, as the frame loop shows them.
std::span<const Steer_Stop> Title_Screen_Stops(const Game_State& s) {
    if (s.CodeWords_On) return CodeWord_Stops;
    if (s.Sponsor_Score_On) return Score_Stops;
    if (s.Sponsor_Option_On) return Option_Stops;
    return Title_Stops;
}

// How far a value lies outside the span low..high.
int Outside(int v, int low, int high) {
    return v < low ? low - v : v > high ? v - high : 0;
}

Steer_Dir Held_Dir(const Game_State& s) {
    if (s.Input_Up) return Steer_Dir::Up;
    if (s.Input_Down) return Steer_Dir::Down;
    if (s.Input_Left) return Steer_Dir::Left;
    if (s.Input_Right) return Steer_Dir::Right;
    return Steer_Dir::None;
}

// Whether the held key moves the pointer in this frame: when it goes down, once more when it
// has been held for the delay, then every few frames. Steer_Tick counts the frames since the
// last move.
bool Steer_Due(Screen_State& c, Steer_Dir held) {
    if (held != c.Steer_Held) {
        c.Steer_Held = held;
        c.Steer_Tick = Steer_Repeat_Every - Steer_Repeat_Delay;
        return held != Steer_Dir::None;
    }
    if (held == Steer_Dir::None) return false;
    if (++c.Steer_Tick < Steer_Repeat_Every) return false;
    c.Steer_Tick = 0;
    return true;
}

}  // namespace

std::span<const Steer_Stop> Steer_Stops(const Game_State& s) {
    if (s.Name_Entry_On || s.CodeWord_1_Typing || s.CodeWord_2_Typing) return {};
    if (s.Sponsor_On) return Title_Screen_Stops(s);
    if (s.Game_Over) return Box_Stops;
    if (s.Set_Score_New_On) return Score_Stops;
    if (s.Sponsor_Paused) return Title_Screen_Stops(s);
    if (s.Well_Done) return Box_Stops;
    if (s.Panel_Score_On) return Score_Stops;
    if (s.Panel_Option_On) return Option_Stops;
    return {};
}

Screen_Point Next_Stop(std::span<const Steer_Stop> stops, Screen_Point from, Steer_Dir dir) {
    const bool across = dir == Steer_Dir::Left || dir == Steer_Dir::Right;
    const int sign = dir == Steer_Dir::Up || dir == Steer_Dir::Left ? -1 : 1;
    Screen_Point best = from;
    int best_cost = 0;
    for (const Steer_Stop& stop : stops) {
        const Button& a = stop.Area;
        const int ahead = sign * (across ? stop.Place.X - from.X : stop.Place.Y - from.Y);
        if (ahead <= 0) continue;
        const int aside =
            across ? Outside(from.Y, a.Top, a.Bottom) : Outside(from.X, a.Left, a.Right);
        const int cost = ahead + 2 * aside;
        if (best_cost == 0 || cost < best_cost) best = stop.Place, best_cost = cost;
    }
    return best;
}

void Steer_Pointer(Game& g) {
    Game_State& s = g.w.game;
    Screen_State& c = g.w.screens;
    const std::span<const Steer_Stop> stops = Steer_Stops(s);
    if (stops.empty()) {
        // A key held while the figure walks (or a letter typed) steers nothing until it is
        // pressed again.
        c.Steer_Held = Held_Dir(s);
        c.Steer_Tick = Steer_Repeat_Every - Steer_Repeat_Delay;
        return;
    }
    const Steer_Dir held = Held_Dir(s);
    if (!Steer_Due(c, held)) return;
    const Screen_Point to = Next_Stop(stops, {s.Mouse_X, s.Mouse_Y}, held);
    g.m.Place_Pointer(to.X, to.Y);
    s.Mouse_X = to.X;
    s.Mouse_Y = to.Y;
}

}  // namespace zarvo
