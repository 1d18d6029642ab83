#pragma once
// Where the windowed game keeps its score table: the file named on the command line; else
// Zarvo.Scr in the working folder when one is there (tables kept there go on being used);
// else Zarvo.Scr in $XDG_DATA_HOME/zarvo (default ~/.local/share/zarvo), its folders created.
#include <string>

namespace zarvo {

// `option` is the --scores value (empty when not given); the environment's values are null
// when unset. Answers the path; folders for the third choice are created here.
std::string Choose_Score_Path(const std::string& option, const char* xdg_data_home,
                              const char* home);

// A headless run given no --scores keeps its table in a fresh folder of its own
// ("zarvo-scores-<process number>-XXXXXX" in $TMPDIR or /tmp), which it removes when done: it
// never reads or changes a table it was not given. Folders left there by runs that no longer
// run (killed outright) are removed first. Answers the file's path and sets `folder` (both
// empty when no folder can be made).
std::string Scratch_Score_Path(std::string& folder);
void Remove_Scratch_Folder(const std::string& folder);
// From now on SIGTERM, SIGINT and SIGHUP remove the folder (the table and a store's temporary
// file in it) before they end the run as they would have.
void Remove_Scratch_Folder_On_Signals(const std::string& folder);

}  // namespace zarvo
