#include "enemies/enemy_shots.h"

#include "enemies/enimy.h"

namespace zarvo {

namespace {

// The side-middle cells of a block, as offsets from its top-left cell.
struct Lane {
    int32_t DC, DR;
};
constexpr Lane Top{1, 0}, Bottom{1, 2}, Left_Side{0, 1}, Right_Side{2, 1};

// The three lanes of a direction: every side-middle cell but the rear one.
struct Lanes {
    Lane Cell[3];
};
constexpr Lanes Lanes_Of(Shot_Dir dir) {
    switch (dir) {
        case Shot_Dir::Up:
            return {{Left_Side, Top, Right_Side}};
        case Shot_Dir::Down:
            return {{Left_Side, Bottom, Right_Side}};
        case Shot_Dir::Left:
            return {{Top, Left_Side, Bottom}};
        default:
            return {{Top, Right_Side, Bottom}};
    }
}

struct Shot_Start {
    int32_t X, Y, Col, Row;
};

// Takes the first free entry; with all 48 busy the shot is not fired.
void Launch(Game& g, Enimy_Rec& r, Shot_Dir dir, const Shot_Start& start) {
    for (int e = 1; e <= Enimy_Shot_Count; ++e) {
        Enimy_Shot& s = r.Shots[e];
        if (s.In_Flight) continue;
        s.In_Flight = true;
        s.Move_Count = 0;
        g.m.Play_Wave(Wave::Laser);
        s.Dir = dir;
        s.X = start.X, s.Y = start.Y, s.Col = start.Col, s.Row = start.Row;
        return;
    }
}

// A ball starts at the top-left pixel of its lane's cell.
void Launch_Ball(Game& g, Enimy_Rec& r, Shot_Dir dir, Lane lane) {
    Launch(g, r, dir, {r.X + 16 * lane.DC, r.Y + 16 * lane.DR, r.Col + lane.DC, r.Row + lane.DR});
}

void Launch_Three_Balls(Game& g, Enimy_Rec& r, Shot_Dir dir) {
    const Lanes lanes = Lanes_Of(dir);
    for (const Lane& lane : lanes.Cell) Launch_Ball(g, r, dir, lane);
}

// Rockets fly up, right, down, left for turret angles 0, 64, 128, 192; balls and the
// Expander's rockets leave the other way.
Shot_Dir Forward_Dir(int32_t angle) {
    switch (angle) {
        case 0:
            return Shot_Dir::Up;
        case 64:
            return Shot_Dir::Right;
        case 128:
            return Shot_Dir::Down;
        case 192:
            return Shot_Dir::Left;
        default:
            return Shot_Dir::None;
    }
}
Shot_Dir Backward_Dir(int32_t angle) {
    switch (angle) {
        case 0:
            return Shot_Dir::Down;
        case 64:
            return Shot_Dir::Left;
        case 128:
            return Shot_Dir::Up;
        case 192:
            return Shot_Dir::Right;
        default:
            return Shot_Dir::None;
    }
}

// How a kind of shot looks and bursts.
struct Shot_Kind {
    int32_t Type;
    bool Rocket;
    Img1_Id Ball_Image;  // the ball's image
};

constexpr Shot_Kind Tank_Kind{Enemy::Tank, true, {}};
constexpr Shot_Kind Expander_Kind{Enemy::Expander, true, {}};
constexpr Shot_Kind Spider_Kind{Enemy::Spider, false, Img1::Circle_16_2};
constexpr Shot_Kind Sub_Kind{Enemy::Sub, false, Img1::Circle_16_3};
constexpr Shot_Kind Boxer_Kind{Enemy::Boxer, false, Img1::Circle_16_1};

bool At_Ego(const World& w, int32_t col, int32_t row) {
    return w.player.Ego_Col == col && w.player.Ego_Row == row;
}

// Advances a burst; false when it has just ended (the entry is free again).
bool Burst_Goes_On(Game& g, Enimy_Shot& s, const Shot_Kind& kind) {
    const int32_t t = ++s.Burst_Tick;
    const int32_t last = kind.Rocket ? 18 : 28;
    if (t > last) {
        s.Burst_Tick = 0;
        s.In_Flight = s.Bursting = false;
        return false;
    }
    if (t == 1) {
        s.Burst_Frame = kind.Rocket ? Ex::Ex_Boy_1 : Img2::Bomb_Ex_1;
        g.m.Play_Wave(Wave::Explose_5);
    } else if (kind.Rocket || t % 2 == 1) {
        s.Burst_Frame += 1;
    }
    return true;
}

void Show_Burst(Game& g, const Enimy_Shot& s, const Shot_Kind& kind) {
    const Image_Id burst = kind.Rocket ? Image_Id(Ex_Id{s.Burst_Frame}) : Img2_Id{s.Burst_Frame};
    g.m.Draw_Image(burst, s.Burst_X, s.Burst_Y);
    if (At_Ego(g.w, s.Burst_Col, s.Burst_Row)) g.w.player.Ego_Hit = true;
}

// A rocket stops over a hole; a ball already beside one.
bool Meets_Hole(const World& w, const Enimy_Shot& s, const Shot_Kind& kind) {
    const Floor_Grid_Type& floor = w.arena.Floor_Grid;
    if (kind.Rocket) return Floor_At(floor, s.Col, s.Row) == Floor::Gone;
    return Floor_At(floor, s.Col - 1, s.Row) == Floor::Gone ||
           Floor_At(floor, s.Col + 1, s.Row) == Floor::Gone ||
           Floor_At(floor, s.Col, s.Row - 1) == Floor::Gone ||
           Floor_At(floor, s.Col, s.Row + 1) == Floor::Gone;
}

void Start_Burst(Enimy_Shot& s, const Shot_Kind& kind) {
    s.Bursting = true;
    s.Burst_Col = s.Col, s.Burst_Row = s.Row;
    if (!kind.Rocket) {
        s.Burst_X = s.X - 16, s.Burst_Y = s.Y - 6;
    } else if (s.Dir == Shot_Dir::Up || s.Dir == Shot_Dir::Down) {
        s.Burst_X = s.X - 20, s.Burst_Y = s.Y + 6;
    } else {
        s.Burst_X = s.X + 2, s.Burst_Y = s.Y - 12;
    }
}

void Fly(Game& g, Enimy_Shot& s, const Shot_Kind& kind) {
    static constexpr int32_t DX[5] = {0, 0, 0, -1, 1};
    static constexpr int32_t DY[5] = {0, -1, 1, 0, 0};
    const int32_t d = s.Dir >= Shot_Dir::Up && s.Dir <= Shot_Dir::Right ? Code_Of(s.Dir) : 0;
    s.X += 16 * DX[d], s.Y += 16 * DY[d];
    s.Move_Count += 1;
    if (kind.Rocket)
        g.m.Draw_Image(Img2::Rocket_Up + d - 1, s.X, s.Y);
    else
        g.m.Draw_Image(kind.Ball_Image, s.X, s.Y);
    s.Move_Count = 0;
    s.Col += DX[d], s.Row += DY[d];
}

void Shot_Frame(Game& g, Enimy_Shot& s, const Shot_Kind& kind) {
    if (s.Bursting) {
        if (!Burst_Goes_On(g, s, kind)) return;
        Show_Burst(g, s, kind);
    }
    if (!s.In_Flight) return;
    const bool on_ego = At_Ego(g.w, s.Col, s.Row);
    if (on_ego) g.w.player.Ego_Hit = true;
    if (on_ego || Meets_Hole(g.w, s, kind)) {
        Start_Burst(s, kind);
        return;
    }
    Fly(g, s, kind);
}

void Shots_Of(Game& g, const Shot_Kind& kind) {
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        if (g.w.level.Enimy_Type[slot] != kind.Type) continue;
        Enimy_Rec& r = Enimy(g, slot);
        for (int e = 1; e <= Enimy_Shot_Count; ++e) Shot_Frame(g, r.Shots[e], kind);
    }
}

}  // namespace

void Fire_Salvo(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    const Shot_Dir dir = Forward_Dir(r.Turret_Angle);
    if (dir == Shot_Dir::None) return;
    // Pixel starts per direction, in the lane order of Lanes_Of.
    static constexpr int32_t PX[5][3] = {{}, {5, 17, 29}, {6, 18, 29}, {12, 4, 12}, {-12, -5, -12}};
    static constexpr int32_t PY[5][3] = {{}, {11, 3, 11}, {-12, -4, -12}, {6, 18, 30}, {6, 18, 30}};
    const Lanes lanes = Lanes_Of(dir);
    for (int k = 0; k < 3; ++k) {
        const Lane lane = lanes.Cell[k];
        const int32_t d = Code_Of(dir);
        Launch(g, r, dir, {r.X + PX[d][k], r.Y + PY[d][k], r.Col + lane.DC, r.Row + lane.DR});
    }
}

void Fire_Rocket_Pair(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    const Shot_Dir dir = Backward_Dir(r.Angle);
    switch (dir) {
        case Shot_Dir::Down:
            Launch(g, r, dir, {r.X + 7, r.Y - 2, r.Col, r.Row + 2});
            Launch(g, r, dir, {r.X + 31, r.Y - 2, r.Col + 2, r.Row + 2});
            break;
        case Shot_Dir::Up:
            Launch(g, r, dir, {r.X + 7, r.Y - 2, r.Col, r.Row});
            Launch(g, r, dir, {r.X + 31, r.Y - 2, r.Col + 2, r.Row});
            break;
        case Shot_Dir::Left:
            Launch(g, r, dir, {r.X - 2, r.Y + 7, r.Col, r.Row});
            Launch(g, r, dir, {r.X - 2, r.Y + 31, r.Col, r.Row + 2});
            break;
        case Shot_Dir::Right:
            Launch(g, r, dir, {r.X - 2, r.Y + 7, r.Col + 2, r.Row});
            Launch(g, r, dir, {r.X - 2, r.Y + 31, r.Col + 2, r.Row + 2});
            break;
        default:
            break;
    }
}

void Fire_Balls(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    const Shot_Dir dir = Backward_Dir(r.Turret_Angle);
    if (dir != Shot_Dir::None) Launch_Three_Balls(g, r, dir);
}

void Fire_Ball_Burst(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    if (r.Angle == 64 || r.Angle == 192) {
        Launch_Three_Balls(g, r, Shot_Dir::Down);
        Launch_Three_Balls(g, r, Shot_Dir::Up);
    } else if (r.Angle == 0 || r.Angle == 128) {
        Launch_Three_Balls(g, r, Shot_Dir::Left);
        Launch_Three_Balls(g, r, Shot_Dir::Right);
    }
}

void Tank_Rockets(Game& g) {
    Shots_Of(g, Tank_Kind);
}
void Expander_Rockets(Game& g) {
    Shots_Of(g, Expander_Kind);
}
void Spider_Balls(Game& g) {
    Shots_Of(g, Spider_Kind);
}
void Sub_Balls(Game& g) {
    Shots_Of(g, Sub_Kind);
}
void Boxer_Ball_Shots(Game& g) {
    Shots_Of(g, Boxer_Kind);
}

}  // namespace zarvo
