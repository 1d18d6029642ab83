#include "pilots/pilot_look.h"

namespace zarvo {

int32_t Pilot_Dir_Angle(Pilot_Dir dir) {
    switch (dir) {
        case Pilot_Dir::Up_Right:
            return 32;
        case Pilot_Dir::Up_Left:
            return -32;
        case Pilot_Dir::Down_Right:
            return 96;
        case Pilot_Dir::Down_Left:
            return -96;
        default:
            return 0;
    }
}

int32_t Pilot_Dir_Col(Pilot_Dir dir) {
    return dir == Pilot_Dir::Up_Right || dir == Pilot_Dir::Down_Right ? 1 : -1;
}

int32_t Pilot_Dir_Row(Pilot_Dir dir) {
    return dir == Pilot_Dir::Up_Right || dir == Pilot_Dir::Up_Left ? -1 : 1;
}

void Show_Pilot(Game& g, const Pilot_Rec& p) {
    const int w = p.Img_W + p.Height;
    const int h = p.Img_H + p.Height;
    g.m.Draw_Image_Rotated(Img1::Pilot_Shadow, p.X + p.Height + p.Img_W / 2 + 8,
                           p.Y + p.Height + p.Img_H / 2 + 8, w, h, 0, 0.5, 0.5, p.Angle);
    g.m.Draw_Image_Rotated(Img1::Pilot, p.X + p.Img_W / 2, p.Y + p.Img_H / 2, w, h, 0, 0.5, 0.5,
                           p.Angle);
}

}  // namespace zarvo
