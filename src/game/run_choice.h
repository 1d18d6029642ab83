#pragma once
// Which run to show: the entry a player picks on the score screen, and the demo a title
// nobody touches for 30 seconds plays. The score screen itself knows nothing of runs; the
// game flow marks the entries that have one (a green arrow at the end of the row) and takes a click
// on such a row, or the key of its rank, before the game sees it.
#include <array>
#include <cstdint>
#include <string>

#include "game/run_file.h"
#include "game/run_keeper.h"
#include "game/run_outbox.h"
#include "state/game.h"

namespace zarvo {

// The score screen is up, over the title or over the game.
bool Score_Screen_Up(const World& w);
// The bare title is up: no box over it.
bool Bare_Title_Up(const World& w);

class Watch_Choice {
  public:
    // After every frame of the player's game: when the score screen shows a table other than
    // the one looked at last, finds the runs of its entries (only then does it allocate).
    void Look(const World& w);
    // The run of the entry whose row holds the window point, or empty.
    std::string Run_At(const World& w, int x, int y) const;
    // The run of the entry of a rank (1..10) of the shown table, or empty.
    std::string Run_Of_Rank(const World& w, int rank) const;
    // What the score board says of the run of a rank's entry (None: not to be sent, or no run).
    Board_Mark Board_Mark_Of_Rank(int rank) const;
    // A green arrow at the end of the row of each entry that has a run, and beside it a small
    // tick when the board has the run.
    void Show_Marks(Game& g) const;

  private:
    bool Same_Table(const World& w) const;
    void Read_Board_Marks();

    bool up_ = false;
    int difficulty_ = 0;
    std::array<Score_Entry, Score_Table_Size + 1> seen_{};
    Entry_Runs runs_;
    std::array<Board_Mark, Score_Table_Size + 1> board_{};
    int outbox_seen_ = -1;  // the outbox's changes when the board's marks were read
};

// Counts the ticks the bare title stands untouched.
class Attract_Clock {
  public:
    // 30 seconds of ticks.
    static constexpr int32_t Idle_Ticks = 30000 / 24;
    // After every tick of the player's game; `touched`: the player gave any input for it.
    // Answers true once the title has stood untouched long enough (and starts counting again).
    bool Due(const World& w, bool touched);
    void Restart() { ticks_ = 0; }

  private:
    int32_t ticks_ = 0;
};

// The demo run shipped with the game, in the asset folder.
inline constexpr char Demo_Run_File[] = "demo.zrun";

// The run a demo plays on a title that shows `difficulty`: the best stored run of that table,
// else the demo shipped with the game (`demo_path`). False with `error` when neither can be read.
bool Choose_Demo_Run(int difficulty, const std::string& demo_path, Game_Run& run,
                     std::string& error);

}  // namespace zarvo
