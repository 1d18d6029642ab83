#include "game/invariants.h"

#include "hazards/hazard_places.h"
#include "state/edge_steps.h"

namespace zarvo {

namespace {

// Built by appending: "(" + a temporary string inserts at its front, in which GCC 12 sees a
// copy that might overlap itself and warns (-Wrestrict) at -O3.
std::string Cell(int col, int row) {
    std::string cell = "(";
    cell += std::to_string(col);
    cell += ',';
    cell += std::to_string(row);
    cell += ')';
    return cell;
}

bool Is_Edge_Code(Dir code) {
    return code == Dir::Down || code == Dir::Left || code == Dir::Right || code == Dir::Up ||
           (code >= Dir::LeftUp && code <= Dir::DownRight);
}

std::string Check_Floor_Agrees(const Arena_State& a, int& edges, int& first_col, int& first_row) {
    const auto& floor = a.Floor_Grid;
    for (int col = 0; col <= Arena_Cols + 1; ++col)
        for (int row = 0; row <= Arena_Rows + 1; ++row) {
            const int32_t f = floor(col, row);
            const bool ring = col == 0 || row == 0 || col > Arena_Cols || row > Arena_Rows;
            const Floor kind = Floor_At(floor, col, row);
            if (f < 0 || f > 2 || (ring && kind != Floor::Gone))
                return "Floor_Grid" + Cell(col, row) + " is " + std::to_string(f);
            if (ring) continue;
            const int32_t e = a.Edge_Grid(col, row);
            if (e != No_Code && !Is_Edge_Code(Dir_Of_Code(e)))
                return "Edge_Grid" + Cell(col, row) + " is " + std::to_string(e);
            if ((e != No_Code) != (kind == Floor::Edge))
                return "Edge_Grid" + Cell(col, row) + " is " + std::to_string(e) +
                       " but Floor_Grid is " + std::to_string(f);
            if (e == No_Code) continue;
            if (edges++ == 0) first_col = col, first_row = row;
        }
    return {};
}

bool Figure_Sequence_Running(const Player_State& p) {
    return p.Ego_Implose_On || p.Ego_Explose_On;
}

bool Trail_Empty(const Arena_State& a) {
    for (int col = 1; col <= Arena_Cols; ++col)
        for (int row = 1; row <= Arena_Rows; ++row)
            if (a.Way_Grid(col, row) != No_Code || a.Point_Grid(col, row) != No_Code) return false;
    return true;
}

struct Range {
    const char* Name;
    int32_t Value, Lo, Hi;
};

template <int N>
bool Text_Fits(const Entry_Text<N>& t) {
    return t.Length >= 0 && t.Length <= N;
}

int32_t Live_Hazards(const Hazard_State& h) {
    int32_t n = 0;
    for (int place = 1; place <= Hazard_Places; ++place) {
        const Blaster_Rec& b = h.Blaster[place];
        const Pyr_Rec& p = h.Pyr[place];
        // A Blaster's place stays Exploding after its explosion has ended.
        n += b.Present || (b.Exploding && b.Death_Tick <= Hazard_Explosion_Ticks);
        n += p.Present || p.Exploding;
    }
    return n;
}

}  // namespace

std::string Check_Edge_Loop(const Arena_State& a) {
    int edges = 0, col = 0, row = 0;
    std::string problem = Check_Floor_Agrees(a, edges, col, row);
    if (!problem.empty() || edges == 0) return edges == 0 ? "there is no edge" : problem;
    const int start_col = col, start_row = row;
    for (int steps = 1;; ++steps) {
        int dc, dr, ac, ar;
        Leave_Step(Dir_At(a.Edge_Grid, col, row), dc, dr);
        col += dc, row += dr;
        const Dir next = Dir_At(a.Edge_Grid, col, row);
        Enter_Step(next, ac, ar);
        if (!Is_Edge_Code(next) || ac != dc || ar != dr)
            return "the edge piece at " + Cell(col - dc, row - dr) + " leads to " + Cell(col, row) +
                   ", which holds " + std::to_string(Code_Of(next));
        if (col == start_col && row == start_row) {
            if (steps == edges) return {};
            return "the loop through " + Cell(col, row) + " has " + std::to_string(steps) +
                   " pieces of the edge's " + std::to_string(edges);
        }
        if (steps > edges) return "the edge from " + Cell(start_col, start_row) + " never closes";
    }
}

std::string Check_Claimed(const World& w) {
    int32_t gone = 0;
    for (int col = 1; col <= Arena_Cols; ++col)
        for (int row = 1; row <= Arena_Rows; ++row)
            gone += Floor_At(w.arena.Floor_Grid, col, row) == Floor::Gone;
    if (gone == w.game.Fliese_Claimed) return {};
    return "Fliese_Claimed is " + std::to_string(w.game.Fliese_Claimed) + " but " +
           std::to_string(gone) + " cells have no tile";
}

std::string Check_Figure(const World& w) {
    const Player_State& p = w.player;
    const Arena_State& a = w.arena;
    const std::string at = " at " + Cell(p.Ego_Col, p.Ego_Row);
    if (p.Ego_Explose_On) return {};  // the figure dies where it was hit
    if (!p.Ego_Cutting && Floor_At(a.Floor_Grid, p.Ego_Col, p.Ego_Row) != Floor::Edge)
        return "the figure stands off the edge" + at + ", Floor_Grid " +
               std::to_string(a.Floor_Grid(p.Ego_Col, p.Ego_Row));
    if (!p.Ego_Cutting && !Trail_Empty(a)) return "a trail is left while the figure is not cutting";
    if (p.Ego_Cutting && p.Ego_Step == 0 && a.Way_Grid(p.Ego_Col, p.Ego_Row) == No_Code)
        return "the cutting figure stands off its trail" + at;
    if (Figure_Sequence_Running(p)) return {};  // a step cut short finishes with the sequence
    const int half = p.Ego_Step == 1 ? 8 : 0;
    const int dx = p.Ego_Step_Dir == Dir::Right ? half : p.Ego_Step_Dir == Dir::Left ? -half : 0;
    const int dy = p.Ego_Step_Dir == Dir::Down ? half : p.Ego_Step_Dir == Dir::Up ? -half : 0;
    if (p.Ego_X == 16 * p.Ego_Col - 3 + dx && p.Ego_Y == 16 * p.Ego_Row - 13 + dy) return {};
    return "the figure is drawn at (" + std::to_string(p.Ego_X) + "," + std::to_string(p.Ego_Y) +
           ") but stands on cell" + at + " with Ego_Step " + std::to_string(p.Ego_Step);
}

std::string Check_Enimy_Count(const World& w) {
    int32_t alive = Live_Hazards(w.hazards);
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        const Enimy_Rec& e = w.enemies.Enimy_Table[slot];
        const Pilot_Rec& p = w.pilots.Pilot_Table[slot];
        alive += e.Active || e.Dying || e.Exploding;
        alive += p.Active || p.Dying || p.Exploding;
    }
    if (alive == w.game.Enimy_Count) return {};
    return "Enimy_Count is " + std::to_string(w.game.Enimy_Count) + " but " +
           std::to_string(alive) + " enemies, pilots and hazards are left";
}

std::string Check_Ranges(const World& w) {
    const Game_State& s = w.game;
    const Player_State& p = w.player;
    const Screen_State& c = w.screens;
    const Range ranges[] = {
        {"Lives", s.Lives, 0, 11},  // a Pyr's life may pass ten until the hearts are drawn
        {"Level", s.Level, 1, 8},
        {"Difficulty", s.Difficulty, 1, 3},
        {"Star_Fire_Count", s.Star_Fire_Count, 0, 24},
        {"Energy_Count", w.effects.Energy_Count, 0, 12},
        {"Reserve_Count", w.effects.Reserve_Count, 0, 12},
        {"Fliese_Claimed", s.Fliese_Claimed, 0, Arena_Cells},
        {"Fliese_Percent", s.Fliese_Percent, 0, 100},
        {"Enimy_Count", s.Enimy_Count, 0, 3 * Roster_Slots + 2 * Hazard_Places},
        {"Back_Picture_Choice", s.Back_Picture_Choice, 0, 1},
        {"Mouse_X", s.Mouse_X, 0, Screen_Width - 1},
        {"Mouse_Y", s.Mouse_Y, 0, Screen_Height - 1},
        {"Click_X", s.Click_X, 0, Screen_Width - 1},
        {"Click_Y", s.Click_Y, 0, Screen_Height - 1},
        {"Ego_Col", p.Ego_Col, 1, Arena_Cols},
        {"Ego_Row", p.Ego_Row, 1, Arena_Rows},
        {"Ego_Save_Col", p.Ego_Save_Col, 1, Arena_Cols},
        {"Ego_Save_Row", p.Ego_Save_Row, 1, Arena_Rows},
        {"Ego_Step", p.Ego_Step, 0, 1},
        {"Ego_Anim", p.Ego_Anim, 0, 12},
        {"Ego_Implose_Tick", p.Ego_Implose_Tick, 0, 42},
        {"Ego_Explose_Tick", p.Ego_Explose_Tick, 0, 44},
        {"Score_Difficulty", c.Score_Difficulty, 1, 3},
        {"Name_Rank", c.Name_Rank, 0, Score_Records},
    };
    for (const Range& r : ranges)
        if (r.Value < r.Lo || r.Value > r.Hi)
            return std::string(r.Name) + " is " + std::to_string(r.Value) + ", outside " +
                   std::to_string(r.Lo) + ".." + std::to_string(r.Hi);
    for (Dir dir : {p.Ego_Dir, p.Ego_Step_Dir})
        if (dir != Dir::None && dir != Dir::Down && dir != Dir::Left && dir != Dir::Right &&
            dir != Dir::Up)
            return "the figure's direction is " + std::to_string(Code_Of(dir));
    if (!Text_Fits(s.Player_Name) || !Text_Fits(s.CodeWord_1) || !Text_Fits(s.CodeWord_2))
        return "a typed text runs past its limit";
    for (int i = 1; i <= Score_Records; ++i)
        if (!Text_Fits(c.Score_Name[i])) return "score name " + std::to_string(i) + " is too long";
    return {};
}

Invariant_Break Invariant_Checker::Check(const World& w) {
    const Game_State& s = w.game;
    level_built_ = level_built_ || s.Playing;
    std::string problem;
    const char* name = nullptr;
    auto fails = [&](const char* n, std::string p) {
        if (p.empty()) return false;
        name = n, problem = std::move(p);
        return true;
    };
    // The score goes back to 0 only on the name entry (stored, or back to the title) and
    // when the option screen starts a new game, whose first level is then being set up.
    const bool new_game = s.Set_Score_New_On || s.Sponsor_On ||
                          (w.player.Ego_Implose_On && w.player.Ego_Implose_Tick == 0);
    const bool score_ok = s.Score >= last_score_ || (s.Score == 0 && new_game);
    if (!score_ok)
        return {"score", "the score fell from " + std::to_string(last_score_) + " to " +
                             std::to_string(s.Score)};
    last_score_ = s.Score;
    if (fails("ranges", Check_Ranges(w)) || fails("enemy count", Check_Enimy_Count(w)))
        return {name, problem};
    if (!level_built_) return {};
    if (fails("edge loop", Check_Edge_Loop(w.arena)) || fails("claimed", Check_Claimed(w)) ||
        fails("figure", Check_Figure(w)))
        return {name, problem};
    return {};
}

}  // namespace zarvo
