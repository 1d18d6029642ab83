#include "game/run_choice.h"

#include <filesystem>

#include "game/run_tables.h"
#include "screens/score_file.h"
#include "screens/screen_rects.h"

namespace zarvo {

namespace {

Run_Tables Tables_Of(const World& w) {
    Run_Tables tables{};
    for (int i = 1; i <= Score_Records; ++i)
        tables[i] = {w.screens.Score_Name[i], w.screens.Score_Points[i]};
    return tables;
}

}  // namespace

bool Score_Screen_Up(const World& w) {
    const Game_State& s = w.game;
    return (s.Sponsor_Score_On && (s.Sponsor_On || s.Sponsor_Paused)) || s.Panel_Score_On;
}

bool Bare_Title_Up(const World& w) {
    const Game_State& s = w.game;
    const bool title = s.Sponsor_On || (s.Sponsor_Paused && !s.Game_Over && !s.Set_Score_New_On);
    return title && !s.CodeWords_On && !s.Sponsor_Score_On && !s.Sponsor_Option_On;
}

bool Watch_Choice::Same_Table(const World& w) const {
    if (w.screens.Score_Difficulty != difficulty_) return false;
    const int base = Score_Table_Base(difficulty_);
    for (int rank = 1; rank <= Score_Table_Size; ++rank) {
        const int i = base + rank - 1;
        if (seen_[rank].Points != w.screens.Score_Points[i] ||
            !(seen_[rank].Name == w.screens.Score_Name[i]))
            return false;
    }
    return true;
}

void Watch_Choice::Look(const World& w) {
    const bool up = Score_Screen_Up(w) && w.screens.Score_Loaded == 1;
    const bool fresh = up && !up_;
    up_ = up;
    if (!up) return;
    if (!fresh && Same_Table(w)) {
        // A sender marks runs while the screen is up: only then is the outbox read again.
        if (Outbox_Changes() != outbox_seen_) Read_Board_Marks();
        return;
    }
    difficulty_ = w.screens.Score_Difficulty;
    const int base = Score_Table_Base(difficulty_);
    for (int rank = 1; rank <= Score_Table_Size; ++rank)
        seen_[rank] = {w.screens.Score_Name[base + rank - 1],
                       w.screens.Score_Points[base + rank - 1]};
    runs_ = Runs_Of_Entries(Tables_Of(w), difficulty_);
    Read_Board_Marks();
}

void Watch_Choice::Read_Board_Marks() {
    outbox_seen_ = Outbox_Changes();
    for (int rank = 1; rank <= Score_Table_Size; ++rank)
        board_[rank] =
            runs_[rank].empty()
                ? Board_Mark::None
                : Outbox_Entry_Of(std::filesystem::path(runs_[rank]).filename().string()).Mark;
}

Board_Mark Watch_Choice::Board_Mark_Of_Rank(int rank) const {
    return rank >= 1 && rank <= Score_Table_Size ? board_[rank] : Board_Mark::None;
}

std::string Watch_Choice::Run_Of_Rank(const World& w, int rank) const {
    if (!up_ || !Score_Screen_Up(w) || !Same_Table(w)) return {};
    if (rank < 1 || rank > Score_Table_Size) return {};
    return runs_[rank];
}

std::string Watch_Choice::Run_At(const World& w, int x, int y) const {
    for (int rank = 1; rank <= Score_Table_Size; ++rank)
        if (Score_Entry_Row(rank).Contains(x, y)) return Run_Of_Rank(w, rank);
    return {};
}

void Watch_Choice::Show_Marks(Game& g) const {
    if (!up_ || !Score_Screen_Up(g.w) || !Same_Table(g.w)) return;
    for (int rank = 1; rank <= Score_Table_Size; ++rank)
        if (!runs_[rank].empty()) {
            g.m.Draw_Image(Img2::Watch_Mark, Score_Watch_Mark_X, Score_Entry_Row(rank).Top + 2);
            if (board_[rank] == Board_Mark::Sent)
                g.m.Draw_Image(Img2::Board_Mark, Score_Board_Mark_X, Score_Entry_Row(rank).Top + 2);
        }
}

bool Attract_Clock::Due(const World& w, bool touched) {
    if (touched || !Bare_Title_Up(w)) {
        ticks_ = 0;
        return false;
    }
    if (++ticks_ < Idle_Ticks) return false;
    ticks_ = 0;
    return true;
}

bool Choose_Demo_Run(int difficulty, const std::string& demo_path, Game_Run& run,
                     std::string& error) {
    const Entry_Runs runs = Runs_Of_Entries(Load_Run_Tables(), difficulty);
    for (int rank = 1; rank <= Score_Table_Size; ++rank) {
        if (runs[rank].empty()) continue;
        std::string why;
        if (Read_Recording(runs[rank], run, why) == 0 && run.Is_Run) return true;
    }
    if (Read_Recording(demo_path, run, error) != 0) return false;
    if (run.Is_Run) return true;
    error = demo_path + ": not a run";
    return false;
}

}  // namespace zarvo
