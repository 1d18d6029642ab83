#pragma once
// Keeps the run of every entry of the score table beside the score file, in a folder "runs"
// next to it: when a score enters the table its run is stored there (an exclusive temporary
// name, flushed, renamed, as the table itself), and when an entry leaves the table its run goes
// with it. A run file is named after its entry: d<difficulty>-<score>-<name>-<when>.zrun.
// The score file itself is never touched here, and a run that cannot be stored costs the table
// nothing.
#include <array>
#include <string>

#include "game/recorder.h"
#include "state/world.h"

namespace zarvo {

// The folder beside the score file that keeps the runs.
std::string Runs_Folder();

// The file name of an entry's run; `stamp` is the date of the run, digits and a T.
std::string Run_File_Name(int difficulty, int32_t score, const std::string& name,
                          const std::string& stamp);

// Stores a run's text in the runs folder under `file_name`; false with `error` when it cannot.
bool Store_Run_File(const std::string& file_name, const std::string& text, std::string& error);

// Removes the runs whose entries are no longer in the tables the score file holds now. Of
// several runs of entries with the same difficulty, score and name, the newest are kept, as
// many as the table has such entries.
void Prune_Runs();

// The stored runs of the entries of a difficulty's table, by rank
// (1..10; 0 unused): the path of each entry's run, or empty where none is kept. Of several
// entries with the same score and name, the better ranks get the newer runs.
using Entry_Runs = std::array<std::string, Score_Table_Size + 1>;
Entry_Runs Runs_Of_Entries(const Run_Tables& tables, int difficulty);

// Watches the World frame by frame and keeps the runs.
class Run_Keeper {
  public:
    // `keep`: false keeps nothing (a headless run on a scratch table).
    explicit Run_Keeper(bool keep) : keep_(keep) {}

    // After every frame slot; `date` answers the date now ("2026-12-08T17:30:00Z") and is asked
    // only when a run is stored. Answers a line for the player when a run could not be stored,
    // else an empty text.
    using Date_Now = std::string (*)();
    std::string After_Frame(const World& w, const Recorder& recorder, Date_Now date);
    // How many runs this game has stored.
    int Stored() const { return stored_; }
    // The file name (in the runs folder) of the run stored last, or empty.
    const std::string& Last_Stored() const { return last_stored_; }
    // Counts every time the runs folder may have changed (a run stored, runs pruned): a page
    // that mirrors the folder into its storage looks again when it moves.
    int Changes() const { return changes_; }

  private:
    bool Entry_Stored(const World& w) const;
    bool Tables_Changed(const World& w);

    bool keep_;
    bool qualified_ = false;  // the frame before was a name entry with a score for the table
    int32_t score_ = 0;       // the score of the frame before
    std::array<int32_t, Score_Records + 1> points_{};
    std::array<Score_Name_Text, Score_Records + 1> names_{};
    bool seen_ = false;
    int stored_ = 0;
    std::string last_stored_;
    int changes_ = 0;
};

}  // namespace zarvo
