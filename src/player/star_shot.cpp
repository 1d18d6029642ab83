// The star shots: four rockets per volley, one in each direction, flying a cell per frame until
// a hole or the border makes them explode or a target takes them.
#include "player/star_shot.h"

#include "assets/bitmap_text.h"

namespace zarvo {

namespace {

// A rocket's index d in its volley is the number of its Shot_Dir (1 up, 2 down, 3 left,
// 4 right); it indexes the tables below and is what Shot_Dir_Grid holds.
constexpr int Shot_DCol[5] = {0, 0, 0, -1, 1};
constexpr int Shot_DRow[5] = {0, -1, 1, 0, 0};
constexpr Img2_Id Rocket_Image[5] = {Img2_Id{}, Img2::Rocket_Up, Img2::Rocket_Down,
                                     Img2::Rocket_Left, Img2::Rocket_Right};
// The launch position lies one step behind the first drawn one.
constexpr int Launch_DX[5] = {0, 10, 10, 7, -23};
constexpr int Launch_DY[5] = {0, 28, -7, 28, 28};
constexpr int Explosion_Frames = 18;

bool Valid_Shot(int d, int s) {
    return d >= 1 && d <= 4 && s >= 1 && s <= Volley_Slots;
}

int Free_Volley_Slot(const Shot_State& t) {
    for (int s = 1; s <= Volley_Slots; ++s)
        if (!t.Volley_Used[s]) return s;
    return 0;
}

bool Volley_Flying(const Shot_State& t, int s) {
    for (int d = 1; d <= 4; ++d)
        if (t.Shot[d][s].Shot_Active) return true;
    return false;
}

// A rocket whose first cell has no tile is never shown.
void Load_Rocket(Game& g, int d, int s) {
    Star_Shot& r = g.w.shots.Shot[d][s];
    const Player_State& p = g.w.player;
    r.Shot_Active = true;
    r.Shot_Col = p.Ego_Col;
    r.Shot_Row = p.Ego_Row;
    r.Shot_Dir = Shot_Dir_Of(d);
    if (Floor_At(g.w.arena.Floor_Grid, p.Ego_Col + Shot_DCol[d], p.Ego_Row + Shot_DRow[d]) ==
        Floor::Gone) {
        r.Shot_Active = false;
        return;
    }
    r.Shot_X = p.Ego_X + Launch_DX[d];
    r.Shot_Y = p.Ego_Y + Launch_DY[d];
}

void Set_Shot_Cell(Arena_State& a, int col, int row, int32_t mark, int32_t slot, int32_t dir) {
    a.Shot_Grid.set(col, row, mark);
    a.Shot_Slot_Grid.set(col, row, slot);
    a.Shot_Dir_Grid.set(col, row, dir);
}

void Fly_Rocket(Game& g, int d, int s) {
    Star_Shot& r = g.w.shots.Shot[d][s];
    Arena_State& a = g.w.arena;
    r.Shot_X += 16 * Shot_DCol[d];
    r.Shot_Y += 16 * Shot_DRow[d];
    g.m.Draw_Image(Rocket_Image[d], r.Shot_X, r.Shot_Y);
    Set_Shot_Cell(a, r.Shot_Col, r.Shot_Row, No_Code, No_Code, No_Code);
    r.Shot_Col += Shot_DCol[d];
    r.Shot_Row += Shot_DRow[d];
    Set_Shot_Cell(a, r.Shot_Col, r.Shot_Row, Shot_Mark, s, d);
    if (Floor_At(a.Floor_Grid, r.Shot_Col, r.Shot_Row) != Floor::Gone) return;
    r.Shot_Active = false;
    r.Shot_Exploding = true;
}

void Start_Explosion(Game& g, int d, int s) {
    Star_Shot& r = g.w.shots.Shot[d][s];
    g.m.Play_Wave(Wave::Explose_4);
    Set_Shot_Cell(g.w.arena, r.Shot_Col, r.Shot_Row, No_Code, No_Code, No_Code);
    const Shot_Dir dir = Shot_Dir_Of(d);
    const bool vertical = dir == Shot_Dir::Up || dir == Shot_Dir::Down;
    r.Shot_Ex_X = r.Shot_X - (vertical ? 16 : 2);
    r.Shot_Ex_Y = r.Shot_Y - (vertical ? 2 : 16);
    r.Shot_Ex_Frame = Ex::Ex_Boy_1;
}

// Ex_Boy_1 to Ex_Boy_17, then Ex_Boy_17 once more: 18 frames.
void Run_Explosion(Game& g, int d, int s) {
    Star_Shot& r = g.w.shots.Shot[d][s];
    r.Shot_Ex_Tick += 1;
    const int tick = r.Shot_Ex_Tick;
    if (tick == 1) Start_Explosion(g, d, s);
    if (tick >= 2 && tick < Explosion_Frames) r.Shot_Ex_Frame += 1;
    if (tick >= Explosion_Frames) {
        r.Shot_Exploding = false;
        r.Shot_Ex_Tick = 0;
    }
    g.m.Draw_Image(Ex_Id{r.Shot_Ex_Frame}, r.Shot_Ex_X, r.Shot_Ex_Y);
}

// Clockwise while standing or walking right or down, the other way walking left or up.
void Turn_Star(Shot_State& t, Dir ego_dir) {
    if (ego_dir == Dir::Left || ego_dir == Dir::Up) {
        t.Star_Angle -= 4;
        if (t.Star_Angle < 1) t.Star_Angle = 256;
    } else {
        t.Star_Angle += 4;
        if (t.Star_Angle > 255) t.Star_Angle = 0;
    }
}

}  // namespace

void Show_Star_Indicator(Game& g) {
    const Game_State& s = g.w.game;
    const Player_State& p = g.w.player;
    if (!s.Well_Done && !s.Game_Over) Show_Text(g.m, "use space : enter for fire", 176, 20);
    Turn_Star(g.w.shots, p.Ego_Dir);
    g.m.Draw_Image_Rotated(Img2::Snake_Star, p.Ego_X + 14, p.Ego_Y + 10, 34, 34, 0, 0.5, 0.5,
                           g.w.shots.Star_Angle);
}

void Launch_Star_Shot(Game& g) {
    Game_State& s = g.w.game;
    Shot_State& t = g.w.shots;
    if (!s.Star_Fire_Request || g.w.player.Ego_Step != 0) return;
    s.Star_Fire_Request = false;
    const int slot = Free_Volley_Slot(t);
    if (slot == 0) return;
    t.Volley_Used[slot] = true;
    g.m.Play_Wave(Wave::Laser);
    if (!s.Fire_Code) s.Star_Fire_Count -= 1;
    for (int d = 1; d <= 4; ++d) Load_Rocket(g, d, slot);
}

void Show_Ego_Shoot(Game& g) {
    Shot_State& t = g.w.shots;
    for (int d = 1; d <= 4; ++d) {
        for (int s = 1; s <= Volley_Slots; ++s) {
            if (!Volley_Flying(t, s)) t.Volley_Used[s] = false;
            if (t.Shot[d][s].Shot_Exploding)
                Run_Explosion(g, d, s);
            else if (t.Shot[d][s].Shot_Active)
                Fly_Rocket(g, d, s);
        }
    }
}

void Clear_Star_Shots(Game& g) {
    Shot_State& t = g.w.shots;
    for (int d = 1; d <= 4; ++d) {
        for (int s = 1; s <= Volley_Slots; ++s) {
            Star_Shot& r = t.Shot[d][s];
            r.Shot_Active = false;
            r.Shot_Exploding = false;
            r.Shot_Ex_Tick = 0;
            r.Shot_Dir = Shot_Dir::None;
            r.Shot_X = r.Shot_Y = 0;
            r.Shot_Col = r.Shot_Row = 0;
        }
    }
}

void Remove_Shot_At(Game& g, int col, int row) {
    Arena_State& a = g.w.arena;
    if (a.Shot_Grid(col, row) != Shot_Mark) return;
    const int s = a.Shot_Slot_Grid(col, row), d = a.Shot_Dir_Grid(col, row);
    a.Shot_Grid.set(col, row, No_Code);
    if (!Valid_Shot(d, s)) return;
    Star_Shot& r = g.w.shots.Shot[d][s];
    r.Shot_Active = false;
    r.Shot_Exploding = false;
    r.Shot_Ex_Tick = 0;
    r.Shot_Dir = Shot_Dir::None;
}

}  // namespace zarvo
