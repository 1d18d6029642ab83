#include "screens/score_box.h"

#include "screens/buttons.h"

namespace zarvo {

namespace {

// The tabs share their places with the option screen's difficulty choices.
constexpr int Tab_Left[4] = {0, 263, 323, 383};
constexpr int Tab_Width = 57;
constexpr int Tab_Top = 124, Tab_Bottom = 136;
constexpr int Tab_Burst_Y = 130;
constexpr Button Delete_Button{180, 335, 227, 374};
constexpr Button OK_Button{395, 335, 437, 374};

}  // namespace

void Show_Score_Box(Game& g) {
    g.m.Draw_Image(Image_List::List_2, Img2::Score, 155, 49);
    const int shown = g.w.screens.Score_Difficulty;
    if (shown >= 1 && shown <= 3)
        g.m.Draw_Image(Image_List::List_2, Img2::Option_Rahmen_Diff, Tab_Left[shown], Tab_Top);
}

int Score_Tab_Clicked(Game& g) {
    for (int tab = 1; tab <= 3; ++tab) {
        const Button b{Tab_Left[tab], Tab_Top, Tab_Left[tab] + Tab_Width - 1, Tab_Bottom};
        if (!Clicked(g.w.game, b)) continue;
        g.w.screens.Score_Difficulty = tab;
        Press_Button(g, Tab_Left[tab] + 28, Tab_Burst_Y);
        return tab;
    }
    return 0;
}

bool Score_Delete_Clicked(Game& g) {
    if (!Clicked(g.w.game, Delete_Button)) return false;
    Press_Button(g, 204, 347);
    return true;
}

bool Score_OK_Clicked(Game& g) {
    if (!Clicked(g.w.game, OK_Button)) return false;
    g.w.game.Mouse_Clicked = false;
    return true;
}

}  // namespace zarvo
