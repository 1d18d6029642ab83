#include "support/walker.h"

#include <cctype>

#include "player/ego.h"

namespace zarvo::test {

void Fresh_Arena(Test_Game& t) {
    Ego_Start_New_Level(t.g);
    t.s().Game_Halted = false;
    t.w().player.Ego_Implose_On = false;
}

void Place_Figure(Test_Game& t, int col, int row) {
    Player_State& p = t.w().player;
    p.Ego_Col = p.Ego_Save_Col = col;
    p.Ego_Row = p.Ego_Save_Row = row;
    p.Ego_X = p.Ego_Save_X = 16 * col - 3;
    p.Ego_Y = p.Ego_Save_Y = 16 * row - 13;
    p.Ego_Step = 0;
}

void Input_Step(Test_Game& t, bool up, bool down, bool left, bool right) {
    Game_State& s = t.s();
    s.Input_Up = up, s.Input_Down = down, s.Input_Left = left, s.Input_Right = right;
    Call_Ego_Input(t.g);
}

namespace {

bool Step(Test_Game& t, char move) {
    const bool up = move == 'U', down = move == 'D', left = move == 'L', right = move == 'R';
    Player_State& p = t.w().player;
    // A frame that closes a cut takes no step; the next one does.
    for (int attempt = 0; attempt < 2 && p.Ego_Step == 0; ++attempt)
        Input_Step(t, up, down, left, right);
    if (p.Ego_Step != 1) return false;
    Input_Step(t, up, down, left, right);
    return true;
}

}  // namespace

bool Walk(Test_Game& t, const char* moves) {
    int repeat = 0;
    for (const char* c = moves; *c; ++c) {
        if (std::isdigit(static_cast<unsigned char>(*c))) {
            repeat = repeat * 10 + (*c - '0');
            continue;
        }
        for (int n = repeat > 0 ? repeat : 1; n > 0; --n)
            if (!Step(t, *c)) return false;
        repeat = 0;
    }
    Input_Step(t, false, false, false, false);
    return true;
}

}  // namespace zarvo::test
