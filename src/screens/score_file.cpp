#include "screens/score_file.h"

#include <cstdio>
#include <cstring>

#include "assets/bitmap_text.h"
#include "screens/entry_chars.h"
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

void Put_Entry(Score_File_Bytes table, int record, const Score_Entry& entry) {
    Encode_Score_Record(entry, table + record * Score_Record_Size);
}

Score_Entry Default_Entry(int record) {
    return {Name_Text(Default_Score_Name(record)), 100000 - 3000 * record};
}

// The table of a new file: record 0 empty, then 97000 down to 10000 in steps of 3000.
void Default_Table(Score_File_Bytes table) {
    std::memset(table, 0, Score_File_Size);
    for (int i = 1; i <= Score_Records; ++i) Put_Entry(table, i, Default_Entry(i));
}

// The file's table; records that a short file does not hold whole take their default
// entries, so that a cut file is completed rather than taken for a table without entries.
// Answers how many whole records the file held.
int Read_Table_Bytes(Score_Disk& disk, Score_File_Bytes table) {
    std::memset(table, 0, Score_File_Size);
    const int whole = disk.Read_Whole_Records(table);
    for (int i = whole; i <= Score_Records; ++i) {
        std::memset(table + i * Score_Record_Size, 0, Score_Record_Size);
        if (i >= 1) Put_Entry(table, i, Default_Entry(i));
    }
    return whole;
}

void Take_Entry(Screen_State& c, int record, const Score_Record_Bytes bytes) {
    const Score_Entry entry = Decode_Score_Record(bytes);
    c.Score_Name[record] = entry.Name;
    c.Score_Points[record] = entry.Points;
}

// Whether the tables hold anything yet: a game that never read a table has empty names.
bool Any_Entry_Loaded(const Screen_State& c) {
    for (int i = 1; i <= Score_Records; ++i)
        if (c.Score_Name[i].Length > 0) return true;
    return false;
}

// A table that could be neither read nor created shows the entries it would have started with
// (with DRIVE ERROR), rather than ten blank rows.
void Take_Table(Screen_State& c, const Score_File_Bytes table) {
    for (int i = 1; i <= Score_Records; ++i) Take_Entry(c, i, table + i * Score_Record_Size);
}

// A file shorter than the whole table (cut by a full disk or a crash of an older version)
// is stored again whole: its whole records kept, the missing ones at their defaults.
bool Complete_Short_File(Score_Disk& disk) {
    Score_File_Bytes table;
    if (Read_Table_Bytes(disk, table) == Score_File_Records) return true;
    return disk.Store_Whole(table);
}

// Reads every entry and writes it back unchanged, which proves the file can be written.
void Load_Records(Screen_State& c, Score_Disk& disk) {
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

// Stores the file's table with the ten entries of one table changed, as one whole.
template <typename Entry_Of>
bool Store_Table(int base, Entry_Of entry_of) {
    Score_File_Lock held;
    Score_Disk disk;
    if (held.Busy() || !disk.Open_Existing()) return false;
    Score_File_Bytes table;
    Read_Table_Bytes(disk, table);
    for (int i = base; i < base + Score_Table_Size; ++i) Put_Entry(table, i, entry_of(i));
    return disk.Store_Whole(table);
}

// Reads a table back from the file into memory; stops at the first failed read.
void Read_Table(Screen_State& c, int base) {
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
    Show_Text(g.m, text, x, y);
}

void Show_Table(Game& g, int base) {
    const Screen_State& c = g.w.screens;
    for (int k = 1; k <= Score_Table_Size; ++k) {
        const int i = base + k - 1;
        const int y = 160 + 15 * (k - 1);
        Show_Number(g, "%d", k, 200, y);
        Show_Text(g.m, Entry_Chars<Score_Name_Limit>(c.Score_Name[i]).Text, 234, y);
        Show_Number(g, "%9d", c.Score_Points[i], 347, y);
    }
}

// Ten frames on, ten frames off.
void Show_Status_Line(Game& g) {
    Screen_State& c = g.w.screens;
    ++c.Score_Tick;
    if (c.Score_Tick >= 1 && c.Score_Tick <= 10) {
        if (c.Drive_Error) {
            Show_Text(g.m, "DRIVE ERROR", 253, 352);
        } else if (g.w.game.Name_Entry_On) {
            Show_Text(g.m, "YOUR NAME", 265, 344);
            Show_Text(g.m, "ENTER : ACCEPT", 240, 359);
        } else {
            Show_Text(g.m, "Sorry", 285, 344);
            Show_Text(g.m, "No Entry", 267, 359);
        }
    }
    if (c.Score_Tick >= 20 || c.Score_Tick < 0) c.Score_Tick = 0;
}

void Move_Entries_Down(Screen_State& c, int from, int base) {
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
    Screen_State& c = g.w.screens;
    // The flag tells about this opening only: a drive that works again may be used again.
    c.Drive_Error = false;
    c.Score_File_Open = false;
    // Creating and completing the file store it: never while another game stores.
    Score_File_Lock held;
    if (held.Busy()) {
        c.Drive_Error = true;
        return;
    }
    Score_Disk disk;
    if (!disk.Open_Existing()) {
        c.Drive_Error = true;
        Score_File_Bytes table;
        Default_Table(table);
        if (!Score_Disk::Create_Whole(table)) {
            if (!Any_Entry_Loaded(c)) Take_Table(c, table);
            return;
        }
        c.Drive_Error = false;
        if (!disk.Open_Existing()) {
            c.Drive_Error = true;
            return;
        }
    }
    if (!Complete_Short_File(disk)) {
        c.Drive_Error = true;
        return;
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
    Screen_State& c = g.w.screens;
    Game_State& s = g.w.game;
    if (c.Drive_Error) return;
    const int base = Score_Table_Base(c.Score_Difficulty);
    // A rank outside the shown table would overwrite another difficulty's entries.
    if (c.Name_Rank < base || c.Name_Rank >= base + Score_Table_Size) return;
    Move_Entries_Down(c, c.Name_Rank, base);
    if (s.Player_Name.Length <= 0) s.Player_Name = Name_Text("NOBODY");
    c.Score_Name[c.Name_Rank] = s.Player_Name;
    c.Score_Points[c.Name_Rank] = s.Score;
    if (!Store_Table(base, [&c](int i) { return Score_Entry{c.Score_Name[i], c.Score_Points[i]}; }))
        c.Drive_Error = true;
    s.Score = 0;
}

void Delete_Score(Game& g) {
    Screen_State& c = g.w.screens;
    if (c.Drive_Error) return;
    const int base = Score_Table_Base(c.Score_Difficulty);
    if (!Store_Table(base, [](int i) { return Score_Entry{Name_Text(Default_Score_Name(i)), 0}; }))
        c.Drive_Error = true;
    // The table shows what the file now holds.
    Read_Table(c, base);
}

}  // namespace zarvo
