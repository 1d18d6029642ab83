#include "screens/score_box.h"

#include "screens/buttons.h"

namespace zarvo {

namespace {

constexpr int Tab_Burst_Y = 130;

}  // namespace

void Show_Score_Box(Game& g) {
    g.m.Draw_Image(Img2::Score, 155, 49);
    const int shown = g.w.screens.Score_Difficulty;
    if (shown >= 1 && shown <= 3)
        g.m.Draw_Image(Img2::Option_Rahmen_Diff, Score_Tab_Button(shown).Left,
                       Score_Tab_Button(shown).Top);
}

int Score_Tab_Clicked(Game& g) {
    for (int tab = 1; tab <= 3; ++tab) {
        const Button b = Score_Tab_Button(tab);
        if (!Clicked(g.w.game, b)) continue;
        g.w.screens.Score_Difficulty = tab;
        Press_Button(g, b.Left + 28, Tab_Burst_Y);
        return tab;
    }
    return 0;
}

bool Score_Delete_Clicked(Game& g) {
    if (!Clicked(g.w.game, Score_Delete_Button)) return false;
    Press_Button(g, Score_Delete_Burst);
    return true;
}

bool Score_OK_Clicked(Game& g) {
    if (!Clicked(g.w.game, Score_OK_Button)) return false;
    g.w.game.Mouse_Clicked = false;
    return true;
}

}  // namespace zarvo
