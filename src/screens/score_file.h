#pragma once
// The three tables of best scores, one per difficulty, kept in the score file: loading,
// listing, storing a new entry and resetting a table.
#include "state/game.h"

namespace zarvo {

// The first record of a difficulty's table: 1, 11 or 21 (any other difficulty counts as 1).
int Score_Table_Base(int difficulty);
// The default name of record i: "Zarvo" for odd records, "Dornak" for even ones.
const char* Default_Score_Name(int record);

// Opens the file (creating it with the default entries when it is missing) and loads all
// thirty entries; a file that cannot be written raises Drive_Error.
void Open_Score(Game& g);
void Close_Score(Game& g);
// Draws the shown table, the player's score and the blinking status line.
void Liste_Score(Game& g);
// Inserts the player's entry at Name_Rank into the shown table and writes that table.
void Write_Score(Game& g);
// Resets the shown table to the default names with score 0.
void Delete_Score(Game& g);

}  // namespace zarvo
