// The figure on screen: its sequences, the star indicator, the hit test and the walk cycle.
#include "player/ego.h"
#include "player/sequences.h"
#include "player/star_shot.h"

namespace zarvo {

namespace {

// One walk cycle is 12 frames in four phases of three; up and down have two pictures only.
constexpr Img1_Id Walk_Images[4][4] = {
    {Img1::Ego_Right_1, Img1::Ego_Right_2, Img1::Ego_Right_3, Img1::Ego_Right_4},
    {Img1::Ego_Left_1, Img1::Ego_Left_2, Img1::Ego_Left_3, Img1::Ego_Left_4},
    {Img1::Ego_Up_1, Img1::Ego_Up_2, Img1::Ego_Up_1, Img1::Ego_Up_2},
    {Img1::Ego_Down_1, Img1::Ego_Down_2, Img1::Ego_Down_1, Img1::Ego_Down_2},
};

int Walk_Row(Dir dir) {
    switch (dir) {
        case Dir::Right:
            return 0;
        case Dir::Left:
            return 1;
        case Dir::Up:
            return 2;
        case Dir::Down:
            return 3;
        default:
            return -1;
    }
}

// The counter is shared by all directions and keeps running through turns and stops.
void Draw_Figure(Game& g) {
    Player_State& p = g.w.player;
    const int row = Walk_Row(p.Ego_Dir);
    if (row < 0) {
        g.m.Draw_Image(Img1::Ego_No, p.Ego_X, p.Ego_Y);
        return;
    }
    p.Ego_Anim += 1;
    const int phase = (p.Ego_Anim - 1) / 3;
    g.m.Draw_Image(Walk_Images[row][phase < 0 ? 0 : phase % 4], p.Ego_X, p.Ego_Y);
    if (p.Ego_Anim >= 12) p.Ego_Anim = 0;
}

}  // namespace

void Show_Ego(Game& g) {
    Player_State& p = g.w.player;
    if (p.Ego_Implose_On) {
        Show_Ego_Implose(g);
        return;
    }
    if (p.Ego_Explose_On) {
        Show_Ego_Explose(g);
        return;
    }
    if (g.w.game.Star_Fire_Count > 0) Show_Star_Indicator(g);
    if (g.w.arena.Occupy_Grid(p.Ego_Col, p.Ego_Row) == Occupy_Body) p.Ego_Hit = true;
    Draw_Figure(g);
    Launch_Star_Shot(g);
}

}  // namespace zarvo
