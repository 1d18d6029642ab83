#pragma once
// The score tables a run starts with: read from the player's score file when the recording
// begins, and put into a score file of the run's own when it is replayed, so that a replay
// meets the same tables the game met (whether a game ends in a name entry depends on them).
#include <string>

#include "game/run_file.h"

namespace zarvo {

// The tables the score file holds now, as the game would load them: records the file lacks
// (or all of them, when there is no file) are the defaults a new file gets.
Run_Tables Load_Run_Tables();

// The default tables of a new score file.
Run_Tables Default_Run_Tables();

// Makes the score file at `path` hold exactly these tables (record 0 empty).
bool Put_Run_Tables(const char* path, const Run_Tables& tables);

// A folder of its own holding a score file with the given tables, removed with the object.
class Run_Table_Folder {
  public:
    Run_Table_Folder() = default;
    Run_Table_Folder(const Run_Table_Folder&) = delete;
    Run_Table_Folder& operator=(const Run_Table_Folder&) = delete;
    ~Run_Table_Folder();

    // Makes the folder and the file; false with `error` when it cannot.
    bool Make(const Run_Tables& tables, std::string& error);
    const char* Path() const { return path_.c_str(); }

  private:
    std::string folder_, path_;
};

// While it lives, the game's score file is the one at `path`, kept on no other store and never
// brought up to date from one (a page's storage, which would put the player's table into it);
// then the one before it again. Nothing here allocates.
class Score_File_Swap {
  public:
    explicit Score_File_Swap(const char* path);
    ~Score_File_Swap();
    Score_File_Swap(const Score_File_Swap&) = delete;
    Score_File_Swap& operator=(const Score_File_Swap&) = delete;

  private:
    char before_[4096];
    Score_File_Keeper keeper_;
    Score_File_Refresher refresher_;
};

}  // namespace zarvo
