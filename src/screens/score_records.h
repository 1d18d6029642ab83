#pragma once
// The score file on disk: its 16-byte records and the only file access of the game.
// Every step answers whether it worked; nothing here raises or prints.
#include <cstdint>

#include "state/screen_state.h"

namespace zarvo {

inline constexpr int Score_Record_Size = 16;
inline constexpr int Score_File_Records = Score_Records + 1;  // record 0 is never used

inline constexpr int Score_File_Size = Score_File_Records * Score_Record_Size;

using Score_Record_Bytes = uint8_t[Score_Record_Size];
// The whole table as it stands in the file: records 0..30.
using Score_File_Bytes = uint8_t[Score_File_Size];

struct Score_Entry {
    Score_Name_Text Name;
    int32_t Points = 0;
    bool operator==(const Score_Entry&) const = default;
};

// Record layout: name length (0..10), ten name bytes, a pad byte, the score as a
// little-endian signed 32-bit number.
void Encode_Score_Record(const Score_Entry& entry, Score_Record_Bytes out);
// A length byte above 10 reads as 10; the bytes beyond the length are ignored.
Score_Entry Decode_Score_Record(const Score_Record_Bytes in);

// Where the score file lives; "Zarvo.Scr" in the working directory unless set otherwise.
void Set_Score_File_Path(const char* path);
const char* Score_File_Path();
bool Score_File_Exists();
// A platform that keeps the file elsewhere (a browser's storage) keeps it after every write:
// its keeper answers whether it kept the file; when it did not, it has put the file back as it
// last kept it, and the write fails (the game shows its drive error). Answers the keeper it
// replaces.
using Score_File_Keeper = bool (*)();
Score_File_Keeper Set_Score_File_Keeper(Score_File_Keeper keeper);

// A platform whose file other copies of the game change behind the file system's back (the
// other tabs of a browser, each with a copy of its own) brings the file up to date when the
// lock is taken, so that what is read under the lock is what was last stored anywhere. Answers
// the refresher it replaces.
using Score_File_Refresher = void (*)();
Score_File_Refresher Set_Score_File_Refresher(Score_File_Refresher refresher);

// Holds the score file for this game from a re-read to the store that follows it, so that two
// games storing at once each store onto the other's table and no entry is lost, whichever
// path (a link or the file's own name) each reaches it by. Nested holds in one game share the
// first one's lock.
class Score_File_Lock {
  public:
    Score_File_Lock();
    ~Score_File_Lock();
    // Another game held the table for longer than a game waits (it is stopped or hangs): the
    // table must be neither read for a store nor written; the screens say DRIVE ERROR.
    bool Busy() const;
    Score_File_Lock(const Score_File_Lock&) = delete;
    Score_File_Lock& operator=(const Score_File_Lock&) = delete;
};

// One open handle on the score file, closed when it goes out of scope. The file is only ever
// read and written in place record by record for the loading test; a changed table is
// stored whole, so that at every instant the file holds either the old or the new table.
class Score_Disk {
  public:
    Score_Disk() = default;
    Score_Disk(const Score_Disk&) = delete;
    Score_Disk& operator=(const Score_Disk&) = delete;
    ~Score_Disk() { Close(); }

    // Opens an existing regular file for reading and writing.
    bool Open_Existing();
    // Creates the file holding the whole table; never replaces one that is already there
    // and never leaves a file behind that is not the whole table.
    static bool Create_Whole(const Score_File_Bytes table);
    // Reads the first bytes of the file into table; answers how many whole records it holds.
    int Read_Whole_Records(Score_File_Bytes table);
    // Replaces the open file's table by this one (bytes beyond the table stay) and goes on
    // with the new file open.
    bool Store_Whole(const Score_File_Bytes table);
    bool Read(int record, Score_Record_Bytes out);
    bool Write(int record, const Score_Record_Bytes in);
    void Close();
    bool Is_Open() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

}  // namespace zarvo
