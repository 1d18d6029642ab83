#include "screens/score_file.h"

#include <cstdio>
#include <cstring>

#include "screens/entry_chars.h"
#include "screens/panel.h"
#include "screens/score_records.h"

namespace zarvo {

namespace {

Score_Name_Text Name_Text(const char* name) {
    Score_Name_Text text;
    const int length = static_cast<int>(std::strlen(name));
    text.Length = length > Score_Name_Limit ? Score_Name_Limit : length;
    std::memcpy(text.Letters, name, static_cast<size_t>(text.Length));
    return text;
}

bool Write_Entry(Score_Disk& disk, int record, const Score_Entry& entry) {
    Score_Record_Bytes bytes;
    Encode_Score_Record(entry, bytes);
    return disk.Write(record, bytes);
}

// The thirty default entries of a new file: 97000 down to 10000 in steps of 3000.
bool Write_Default_Records(Score_Disk& disk) {
    for (int i = 1; i <= Score_Records; ++i) {
        const Score_Entry entry{Name_Text(Default_Score_Name(i)), 100000 - 3000 * i};
        if (!Write_Entry(disk, i, entry)) return false;
    }
    return true;
}

void Take_Entry(ScreenState& c, int record, const Score_Record_Bytes bytes) {
    const Score_Entry entry = Decode_Score_Record(bytes);
    c.Score_Name[record] = entry.Name;
    c.Score_Points[record] = entry.Points;
}

// Reads every entry and writes it back unchanged, which proves the file can be written.
// A short file loads what it has; the rest keeps its values in memory.
void Load_Records(ScreenState& c, Score_Disk& disk) {
    for (int i = 1; i <= Score_Records; ++i) {
        Score_Record_Bytes bytes;
        if (!disk.Read(i, bytes)) return;
        if (!disk.Write(i, bytes)) {
            c.Drive_Error = true;
            return;
        }
        Take_Entry(c, i, bytes);
    }
}

// Writes the ten entries of a table from memory; stops at the first failed write.
bool Write_Table(const ScreenState& c, int base) {
    Score_Disk disk;
    if (!disk.Open_Existing()) return false;
    for (int i = base; i < base + Score_Table_Size; ++i) {
        if (!Write_Entry(disk, i, {c.Score_Name[i], c.Score_Points[i]})) return false;
    }
    return true;
}

// The default names with score 0; stops at the first failed write.
bool Write_Cleared_Table(int base) {
    Score_Disk disk;
    if (!disk.Open_Existing()) return false;
    for (int i = base; i < base + Score_Table_Size; ++i) {
        if (!Write_Entry(disk, i, {Name_Text(Default_Score_Name(i)), 0})) return false;
    }
    return true;
}

// Reads a table back from the file into memory; stops at the first failed read.
void Read_Table(ScreenState& c, int base) {
    Score_Disk disk;
    if (!disk.Open_Existing()) return;
    for (int i = base; i < base + Score_Table_Size; ++i) {
        Score_Record_Bytes bytes;
        if (!disk.Read(i, bytes)) return;
        Take_Entry(c, i, bytes);
    }
}

void Show_Number(Game& g, const char* format, int32_t value, int x, int y) {
    char text[16];
    std::snprintf(text, sizeof text, format, static_cast<int>(value));
    Show_Text(g, text, x, y);
}

void Show_Table(Game& g, int base) {
    const ScreenState& c = g.w.screens;
    for (int k = 1; k <= Score_Table_Size; ++k) {
        const int i = base + k - 1;
        const int y = 160 + 15 * (k - 1);
        Show_Number(g, "%d", k, 200, y);
        Show_Text(g, Entry_Chars<Score_Name_Limit>(c.Score_Name[i]).Text, 234, y);
        Show_Number(g, "%9d", c.Score_Points[i], 347, y);
    }
}

// Ten frames on, ten frames off.
void Show_Status_Line(Game& g) {
    ScreenState& c = g.w.screens;
    ++c.Score_Tick;
    if (c.Score_Tick >= 1 && c.Score_Tick <= 10) {
        if (c.Drive_Error) {
            Show_Text(g, "DRIVE ERROR", 253, 352);
        } else if (g.w.game.Name_Entry_On) {
            Show_Text(g, "YOUR NAME", 265, 344);
            Show_Text(g, "ENTER : ACCEPT", 240, 359);
        } else {
            Show_Text(g, "Sorry", 285, 344);
            Show_Text(g, "No Entry", 267, 359);
        }
    }
    if (c.Score_Tick >= 20 || c.Score_Tick < 0) c.Score_Tick = 0;
}

void Move_Entries_Down(ScreenState& c, int from, int base) {
    for (int j = base + Score_Table_Size - 2; j >= from; --j) {
        c.Score_Name[j + 1] = c.Score_Name[j];
        c.Score_Points[j + 1] = c.Score_Points[j];
    }
}

}  // namespace

int Score_Table_Base(int difficulty) {
    if (difficulty < 1 || difficulty > 3) difficulty = 1;
    return Score_Table_Size * (difficulty - 1) + 1;
}

const char* Default_Score_Name(int record) {
    return record % 2 == 1 ? "Zarvo" : "Dornak";
}

void Open_Score(Game& g) {
    ScreenState& c = g.w.screens;
    // The flag tells about this opening only: a drive that works again may be used again.
    c.Drive_Error = false;
    c.Score_File_Open = false;
    Score_Disk disk;
    if (!disk.Open_Existing()) {
        c.Drive_Error = true;
        if (!disk.Create_New()) return;
        c.Drive_Error = false;
        if (!Write_Default_Records(disk)) {
            c.Drive_Error = true;
            return;
        }
    }
    c.Score_File_Open = true;
    Load_Records(c, disk);
}

void Close_Score(Game& g) {
    g.w.screens.Score_File_Open = false;
}

void Liste_Score(Game& g) {
    Show_Table(g, Score_Table_Base(g.w.screens.Score_Difficulty));
    Show_Number(g, "%9d", g.w.game.Score, 347, 315);
    Show_Status_Line(g);
}

void Write_Score(Game& g) {
    ScreenState& c = g.w.screens;
    GameState& s = g.w.game;
    if (c.Drive_Error) return;
    const int base = Score_Table_Base(c.Score_Difficulty);
    // A rank outside the shown table would overwrite another difficulty's entries.
    if (c.Name_Rank < base || c.Name_Rank >= base + Score_Table_Size) return;
    Move_Entries_Down(c, c.Name_Rank, base);
    if (s.Player_Name.Length <= 0) s.Player_Name = Name_Text("NOBODY");
    c.Score_Name[c.Name_Rank] = s.Player_Name;
    c.Score_Points[c.Name_Rank] = s.Score;
    if (!Write_Table(c, base)) c.Drive_Error = true;
    s.Score = 0;
}

void Delete_Score(Game& g) {
    ScreenState& c = g.w.screens;
    if (c.Drive_Error) return;
    const int base = Score_Table_Base(c.Score_Difficulty);
    if (!Write_Cleared_Table(base)) c.Drive_Error = true;
    // The table shows what the file now holds.
    Read_Table(c, base);
}

}  // namespace zarvo
