#include "pilots/monsters.h"

namespace zarvo {

void Set_Monster_Images(Monster_Rec& m) {
    const int first = Monster_First_Image(m.Dir, m.Flying);
    m.Image_1 = first, m.Image_2 = first + 1, m.Image_3 = first + 2;
}

int Monster_First_Image(Monster_Dir dir, bool flying) {
    switch (dir) {
        case Monster_Dir::Up:
            return flying ? Img2::Monster_Up_Fly_1 : Img2::Monster_Up_1;
        case Monster_Dir::Down:
            return flying ? Img2::Monster_Down_Fly_1 : Img2::Monster_Down_1;
        case Monster_Dir::Left:
            return flying ? Img2::Monster_Left_Fly_1 : Img2::Monster_Left_1;
        default:
            return flying ? Img2::Monster_Right_Fly_1 : Img2::Monster_Right_1;
    }
}

namespace {

inline constexpr int32_t Monster_Score = 111;
inline constexpr int32_t Steps_Per_Cell = 8;
inline constexpr int32_t Monster_Speed = 2;
// Cell boundaries a monster stays in the air after its last take-off.
inline constexpr int32_t Fly_Cells = 4;
inline constexpr int32_t Explosion_Ticks = 18;

int32_t Dir_Col(Monster_Dir dir) {
    return dir == Monster_Dir::Left ? -1 : dir == Monster_Dir::Right ? 1 : 0;
}
int32_t Dir_Row(Monster_Dir dir) {
    return dir == Monster_Dir::Up ? -1 : dir == Monster_Dir::Down ? 1 : 0;
}

// The way the edge loop leaves a cell; 0 where the cell is not on the loop.
Monster_Dir Edge_Dir(Dir code) {
    using enum Dir;
    if (code == Down || code == LeftDown || code == RightDown) return Monster_Dir::Down;
    if (code == Left || code == UpLeft || code == DownLeft) return Monster_Dir::Left;
    if (code == Right || code == UpRight || code == DownRight) return Monster_Dir::Right;
    if (code == Up || code == LeftUp || code == RightUp) return Monster_Dir::Up;
    return Monster_Dir::Stopped;
}

// Eighteen ticks of Ex_Boy frames where the monster was.
void Explode(Game& g, Monster_Rec& m) {
    m.Tick += 1;
    if (m.Tick == 1) {
        g.m.Play_Wave(Wave::Explose_5);
        m.Explosion_Frame = Ex::Ex_Boy_1 - 1;
        m.X -= 8;
        m.Y -= 8;
    } else if (m.Tick <= Explosion_Ticks) {
        m.Explosion_Frame += 1;
        g.m.Draw_Image(Ex_Id{m.Explosion_Frame}, m.X, m.Y);
    } else {
        m.Active = m.Exploding = false;
        m.Tick = 0;
    }
}

// A player's rocket in the monster's cell or in the one it came from hits it.
bool Shot_Hits(const World& w, const Monster_Rec& m) {
    const Arena_Grid& shots = w.arena.Shot_Grid;
    return shots(m.Col, m.Row) == Shot_Mark || shots(m.Prev_Col, m.Prev_Row) == Shot_Mark;
}

// At a cell boundary the monster lands after its flight and follows the edge loop.
void Cell_Boundary(const World& w, Monster_Rec& m) {
    m.Step = 0;
    m.Fly_Count += 1;
    if (m.Fly_Count > Fly_Cells) {
        m.Flying = false;
        m.Fly_Count = 0;
    }
    const Monster_Dir dir = Edge_Dir(Dir_At(w.arena.Edge_Grid, m.Col, m.Row));
    if (dir != Monster_Dir::Stopped) m.Dir = dir;
}

// Takes off over a ground enemy, a hazard or a flame block in the next cell.
void Look_Ahead(const World& w, Monster_Rec& m) {
    const int32_t col = m.Col + Dir_Col(m.Dir), row = m.Row + Dir_Row(m.Dir);
    if (w.arena.Occupy_Grid(col, row) == Occupy_Body ||
        w.arena.Blocker_Grid(col, row) == Blocker_Mark) {
        m.Flying = true;
        m.Fly_Count = 0;
    }
}

void Walk(const World& w, Monster_Rec& m) {
    if (m.Dir == Monster_Dir::Stopped) return;
    Look_Ahead(w, m);
    m.X += Monster_Speed * Dir_Col(m.Dir);
    m.Y += Monster_Speed * Dir_Row(m.Dir);
    m.Step += 1;
    Set_Monster_Images(m);
}

void Show_Monster(Game& g, Monster_Rec& m) {
    m.Anim += 1;
    const int image = m.Anim <= 3 ? m.Image_1 : m.Anim <= 6 ? m.Image_2 : m.Image_3;
    if (m.Anim >= 9) m.Anim = 0;
    g.m.Draw_Image(Img2_Id{image}, m.X, m.Y);
}

void Enter_Next_Cell(Monster_Rec& m) {
    if (m.Step != 0 && m.Step != Steps_Per_Cell) return;
    m.Step = 0;
    m.Prev_Col = m.Col;
    m.Prev_Row = m.Row;
    m.Col += Dir_Col(m.Dir);
    m.Row += Dir_Row(m.Dir);
}

// A monster falls where its floor is gone and bursts on the player.
void Test_Cell(World& w, Monster_Rec& m) {
    if (Floor_At(w.arena.Floor_Grid, m.Col, m.Row) == Floor::Gone) m.Exploding = true;
    if (m.Col == w.player.Ego_Col && m.Row == w.player.Ego_Row) {
        w.player.Ego_Hit = true;
        m.Exploding = true;
    }
}

void Run_Monster(Game& g, Monster_Rec& m) {
    if (m.Exploding) {
        Explode(g, m);
        return;
    }
    if (Shot_Hits(g.w, m)) {
        m.Exploding = true;
        g.w.game.Score += Monster_Score;
        return;
    }
    if (m.Step == 0 || m.Step == Steps_Per_Cell) Cell_Boundary(g.w, m);
    if (g.w.game.Well_Done) m.Dir = Monster_Dir::Stopped;
    Walk(g.w, m);
    Show_Monster(g, m);
    Enter_Next_Cell(m);
    Test_Cell(g.w, m);
}

}  // namespace

void Monster_Move(Game& g) {
    for (int i = 1; i <= Monster_Count; ++i) {
        Monster_Rec& m = g.w.pilots.Monster_Table[i];
        if (m.Active) Run_Monster(g, m);
    }
}

}  // namespace zarvo
