#include "game/input.h"

#include <cstring>

#include "screens/cursor.h"
#include "screens/panel.h"
#include "screens/screen_rects.h"

namespace zarvo {

namespace {

template <int N>
bool Entry_Equals(const Entry_Text<N>& entry, const char* word) {
    const int n = static_cast<int>(std::strlen(word));
    return entry.Length == n && std::memcmp(entry.Letters, word, static_cast<size_t>(n)) == 0;
}

// Backspace and letters for a text entry; answers true for Enter, which the caller handles.
template <int N>
bool Type_Into(Entry_Text<N>& entry, Key_Code key) {
    if (key == Key_Code::Backspace) {
        if (entry.Length > 0) --entry.Length;
    } else if (Is_Letter(key)) {
        if (entry.Length < N) {
            entry.Letters[entry.Length] = Letter_Of(key);
            ++entry.Length;
        }
    } else if (key == Key_Code::Enter) {
        return true;
    }
    return false;
}

}  // namespace

void FormKeyDown(Game& g, Key_Code key) {
    Game_State& s = g.w.game;
    s.Key_Pressed = false;
    s.Star_Fire_Request = false;
    if (s.Name_Entry_On) {
        if (Type_Into(s.Player_Name, key)) s.Name_Done = true;
        return;
    }
    if (s.CodeWord_1_Typing) {
        if (Type_Into(s.CodeWord_1, key)) {
            s.Immortal_Code = Entry_Equals(s.CodeWord_1, Immortal_Word);
            g.m.Play_Wave(s.Immortal_Code ? Wave::Welcome : Wave::No);
            s.CodeWord_1_Typing = false;
            s.CodeWord_2_Typing = true;
        }
        return;
    }
    if (s.CodeWord_2_Typing) {
        if (Type_Into(s.CodeWord_2, key)) {
            if (Entry_Equals(s.CodeWord_2, Fire_Word)) {
                g.m.Play_Wave(Wave::Welcome);
                s.Fire_Code = true;
                s.Star_Fire_Count = 24;
            } else {
                g.m.Play_Wave(Wave::No);
                s.Fire_Code = false;
            }
            s.CodeWord_1_Typing = false;
            s.CodeWord_2_Typing = false;
        }
        return;
    }
    if (key == Key_Code::Enter || key == Key_Code::Space) {
        s.Key_Pressed = true;
        if (!s.Well_Done && s.Star_Fire_Count > 0) s.Star_Fire_Request = true;
    }
}

void DXDraw1Click(Game& g) {
    Game_State& s = g.w.game;
    s.Mouse_Clicked = true;
    s.Click_X = s.Mouse_X;
    s.Click_Y = s.Mouse_Y;
    if (!s.Playing) return;
    const int x = s.Click_X, y = s.Click_Y;
    auto hit = [&](Screen_Point burst) {
        s.Mouse_Clicked = false;
        g.m.Play_Wave(Wave::Click);
        Start_Message_Explose(g, burst.X, burst.Y);
    };
    // A button that halts the game ends play at once: a second click of the same tick finds
    // the screen that opens, not the panel under it, and waits for that screen's frame.
    auto halt = [&] {
        s.Game_Halted = true;
        s.Set_Score_New_On = false;
        s.Playing = false;
    };
    if (Panel_Picture_Button.Contains(x, y)) {
        hit(Panel_Picture_Burst);
        s.Back_Picture_Choice = 1 - s.Back_Picture_Choice;
        Set_Panel_Cursor_Rect(g);
    } else if (Panel_Score_Button.Contains(x, y)) {
        hit(Panel_Score_Burst);
        halt();
        s.Panel_Score_On = true;
        Set_Score_Cursor_Rect(g);
    } else if (Panel_Title_Button.Contains(x, y)) {
        hit(Panel_Title_Burst);
        halt();
        s.Sponsor_Paused = true;
        Set_Sponsor_Cursor_Rect(g);
    } else if (Panel_Option_Button.Contains(x, y)) {
        hit(Panel_Option_Burst);
        halt();
        s.Panel_Option_On = true;
        s.Sponsor_Option_On = false;
        Set_Option_Cursor_Rect(g);
    }
}

void DXDraw1MouseMove(Game& g, int x, int y) {
    g.w.game.Mouse_X = x;
    g.w.game.Mouse_Y = y;
}

}  // namespace zarvo
