#pragma once
// The runs of the page's score table, kept in the browser's storage beside it: each file of the
// runs folder (game/run_keeper.h) under "zarvo.runs/" and its name. At start, and whenever
// another tab stored, the folder is made to hold what the storage holds; after the keeper
// changed the folder, the storage is made to hold what the folder holds. A run the storage
// refuses leaves the folder as well (a reload would not find it), and the player is told; the
// table itself is kept as ever.
#include <set>
#include <string>

namespace zarvo {

inline constexpr const char* Run_Store_Prefix = "zarvo.runs/";

// The names stored under a prefix, without it.
std::set<std::string> Stored_Names(const char* prefix);
void Forget_Stored(const std::string& name);

void Restore_Runs_From_Page();
// Answers a line for the player when a run could not be kept, else an empty text.
std::string Keep_Runs_In_Page();

}  // namespace zarvo
