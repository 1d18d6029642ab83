#include "driver/headless/monkey.h"

#include <ostream>

#include "game/comforts.h"
#include "game/input.h"
#include "game/invariants.h"
#include "screens/screen_rects.h"

namespace zarvo {

namespace {

using Area = Button;

// The buttons as the player sees them on each screen.
constexpr Area Panel_Areas[] = {Panel_Picture_Button, Panel_Score_Button, Panel_Title_Button,
                                Panel_Option_Button};
// Background, code words, score table, options, start; never the Quit button.
constexpr Area Title_Areas[] = {Title_Background_Button, Title_CodeWord_Button, Title_Score_Button,
                                Title_Option_Button, Title_Start_Button};
constexpr Area Quit_Area = Title_Quit_Button;
// The three tabs, delete and OK.
constexpr Area Score_Areas[] = {Score_Tab_Button(1), Score_Tab_Button(2), Score_Tab_Button(3),
                                Score_Delete_Button, Score_OK_Button};
// The three difficulties, the eight levels and OK.
constexpr Area Option_Areas[] = {
    Option_Difficulty_Button(1), Option_Difficulty_Button(2), Option_Difficulty_Button(3),
    Option_Level_Row(1),         Option_Level_Row(2),         Option_Level_Row(3),
    Option_Level_Row(4),         Option_Level_Row(5),         Option_Level_Row(6),
    Option_Level_Row(7),         Option_Level_Row(8),         Option_OK_Button};
constexpr Area Box_Areas[] = {Box_OK_Button};  // level complete, game over
constexpr Area CodeWord_Areas[] = {CodeWord_OK_Button};

struct Areas {
    const Area* First;
    int Count;
};

template <int N>
constexpr Areas Of(const Area (&a)[N]) {
    return {a, N};
}

// The buttons of the screen in front, in the order the frame picks the screen it runs.
Areas Screen_Areas(const Game_State& s) {
    const bool title = s.Sponsor_On || (!s.Game_Over && !s.Set_Score_New_On && s.Sponsor_Paused);
    if (!s.Sponsor_On && s.Game_Over) return Of(Box_Areas);
    if (!s.Sponsor_On && s.Set_Score_New_On) return Of(Score_Areas);
    if (title && s.CodeWords_On) return Of(CodeWord_Areas);
    if (title && s.Sponsor_Score_On) return Of(Score_Areas);
    if (title && s.Sponsor_Option_On) return Of(Option_Areas);
    if (title) return Of(Title_Areas);
    if (s.Well_Done) return Of(Box_Areas);
    if (s.Panel_Score_On) return Of(Score_Areas);
    if (s.Panel_Option_On) return Of(Option_Areas);
    return Of(Panel_Areas);
}

// The game runs with no screen over it.
bool In_Play(const Game_State& s) {
    return !s.Sponsor_On && !s.Sponsor_Paused && !s.Game_Over && !s.Set_Score_New_On &&
           !s.Well_Done && !s.Panel_Score_On && !s.Panel_Option_On;
}

bool On_Title(const Game_State& s) {
    return s.Sponsor_On || s.Sponsor_Paused;
}

// Whether the pointer, where it is confined now, can reach a button of the screen in front.
bool Buttons_Reachable(const Game_State& s, const Pointer_Rect& clip) {
    if (!clip.Confined) return true;
    const Areas areas = Screen_Areas(s);
    for (int i = 0; i < areas.Count; ++i) {
        const Area& a = areas.First[i];
        if (a.Left < clip.Right && a.Right >= clip.Left && a.Top < clip.Bottom &&
            a.Bottom >= clip.Top)
            return true;
    }
    return false;
}

// A screen whose buttons the pointer cannot reach for this many frames holds the player.
constexpr int32_t Stuck_Frames = 25;

}  // namespace

Monkey::Monkey(uint32_t seed) : state_(0x9E3779B97F4A7C15ull ^ seed) {}

// SplitMix64: the monkey's own generator, so that the game's draws stay the game's.
uint32_t Monkey::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

void Monkey::Send(Headless_Runner& run, Recorder* recording, Script_Event e) {
    e.Frame = run.Frame();
    run.Deliver(e);
    if (recording) recording->Write(e);
}

// Held directions change every few frames: mostly one, sometimes two, sometimes none.
void Monkey::Change_Directions(Headless_Runner& run, Recorder* recording) {
    if (!One_In(7)) return;
    bool want[4] = {};
    const int pick = Below(20);
    if (pick < 13) want[Below(4)] = true;
    if (pick >= 13 && pick < 16) {
        want[Below(4)] = true;
        want[Below(4)] = true;
    }
    for (int d = 0; d < 4; ++d) {
        if (want[d] == held_[d]) continue;
        held_[d] = want[d];
        Send(run, recording, {0, want[d] ? Event_Kind::Hold : Event_Kind::Release, d, 0});
    }
}

void Monkey::Queue_Word(const char* word) {
    typing_length_ = 0;
    while (word[typing_length_] && typing_length_ < 23) {
        typing_[typing_length_] = Letter_Key(word[typing_length_]);
        ++typing_length_;
    }
    typing_[typing_length_++] = Key_Code::Enter;
    typed_ = 0;
}

// Enter and Space close the boxes and fire; letters go into the name and the code words,
// which are typed right now and then.
void Monkey::Press_Keys(Headless_Runner& run, Recorder* recording) {
    const Game_State& s = run.world().game;
    const bool typing = Typing(run.world());
    if (typed_ < typing_length_ && typing) {
        Send(run, recording, Key_Event(0, typing_[typed_++]));
        return;
    }
    typed_ = typing_length_ = 0;
    if ((s.CodeWord_1_Typing || s.CodeWord_2_Typing) && One_In(4)) {
        Queue_Word(s.CodeWord_1_Typing ? Immortal_Word : Fire_Word);
        return;
    }
    const int pick = Below(typing ? 12 : In_Play(s) ? 50 : 24);
    if (pick > 7) return;
    Key_Code key = Key_Code::Enter;
    if (pick >= 1 && pick <= 2)
        key = Key_Code::Space;
    else if (pick == 3)
        key = typing ? Key_Code::Backspace : Key_Code::Other;  // a key the game does not know
    else if (pick >= 4)
        key = Letter_Key(static_cast<char>((One_In(2) ? 'A' : 'a') + Below(26)));
    Send(run, recording, Key_Event(0, key));
}

// Moves and clicks, mostly on the buttons of the screen in front (and there mostly on OK),
// during play now and then on the panel; never on Quit. Now and then several clicks come in
// one tick (a fast double click, or a loop that stalled), and now and then the press key
// clicks where the held directions have steered the pointer.
void Monkey::Use_Pointer(Headless_Runner& run, Recorder* recording) {
    const Game_State& s = run.world().game;
    if (!One_In(In_Play(s) ? 60 : 8)) return;
    if (One_In(4)) {
        if (!(On_Title(s) && Quit_Area.Contains(s.Mouse_X, s.Mouse_Y)))
            Send(run, recording, {0, Event_Kind::Click, 0, 0});
        return;
    }
    const int clicks = One_In(6) ? 2 + Below(2) : 1;
    for (int i = 0; i < clicks; ++i) Point_And_Click(run, recording);
}

void Monkey::Point_And_Click(Headless_Runner& run, Recorder* recording) {
    const Game_State& before = run.world().game;
    int x, y;
    const Areas areas = Screen_Areas(before);
    if (Below(4) != 0) {
        const bool ok = !In_Play(before) && One_In(2);  // a screen's last area is its OK
        const Area& a = areas.First[ok ? areas.Count - 1 : Below(areas.Count)];
        x = a.Left + Below(a.Right - a.Left + 1);
        y = a.Top + Below(a.Bottom - a.Top + 1);
    } else {
        x = Below(Screen_Width + 40) - 20;
        y = Below(Screen_Height + 40) - 20;
    }
    // The title judges a click where the pointer stands when the tick comes: a move onto QUIT
    // with a click of this tick still pending would end the program.
    int to_x = x, to_y = y;
    run.media().Clamp_Pointer(to_x, to_y);
    if (On_Title(before) && before.Mouse_Clicked && Quit_Area.Contains(to_x, to_y)) return;
    Send(run, recording, {0, Event_Kind::Move, x, y});
    const Game_State& s = run.world().game;
    if (One_In(5) || (On_Title(s) && Quit_Area.Contains(s.Mouse_X, s.Mouse_Y))) return;
    Send(run, recording, {0, Event_Kind::Click, 0, 0});
}

void Monkey::Leave_Or_Return(Headless_Runner& run, Recorder* recording) {
    if (focused_ ? !One_In(1500) : !One_In(12)) return;
    focused_ = !focused_;
    Send(run, recording, {0, Event_Kind::Focus, focused_ ? 1 : 0, 0});
}

void Monkey::Play_Frame(Headless_Runner& run, Recorder* recording) {
    Leave_Or_Return(run, recording);
    Change_Directions(run, recording);
    Press_Keys(run, recording);
    Use_Pointer(run, recording);
}

namespace {

// What went wrong after the frame just run, if anything.
Invariant_Break Monkey_Check(Headless_Runner& run, Invariant_Checker& checker,
                             int32_t& stuck_since) {
    Invariant_Break broken = checker.Check(run.world());
    const World& w = run.world();
    if (Buttons_Reachable(w.game, run.media().clip)) stuck_since = w.Frame_Count;
    if (!broken && w.Frame_Count - stuck_since >= Stuck_Frames)
        broken = {"stuck", "the pointer cannot reach a button of the screen in front"};
    // Drawing only what changed must leave the picture a whole redraw would.
    if (!broken && !run.media().Agrees_With_Whole_Redraw())
        broken = {"picture", "the frame drawn by difference is not the frame drawn whole"};
    return broken;
}

}  // namespace

int Run_Monkey(Headless_Runner& run, uint32_t seed, int32_t frames, Recorder* recording,
               std::ostream& err) {
    Monkey monkey(seed);
    Invariant_Checker checker;
    int32_t stuck_since = 0;
    Invariant_Break broken;
    // Counted so that the last frame of the largest count still ends the loop. The random
    // player plays every frame it counts: a program that ends before is a finding.
    for (int32_t done = 0; done < frames && !broken; ++done) {
        if (run.Ended()) {
            broken = {"ended", "the program ended before the frames asked for were played"};
            break;
        }
        run.Begin_Frame(done + 1);
        monkey.Play_Frame(run, recording);
        run.Tick();
        broken = Monkey_Check(run, checker, stuck_since);
    }
    if (!broken) return 0;
    err << "zarvo: invariant '" << broken.Name << "' broken at frame " << run.Frame()
        << " of monkey seed " << seed << ": " << broken.Detail << "\n";
    return 3;
}

}  // namespace zarvo
