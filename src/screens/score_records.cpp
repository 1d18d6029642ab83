#include "screens/score_records.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/atomic_file.h"

namespace zarvo {

namespace {

constexpr int Path_Limit = 4096;
char Path[Path_Limit] = "Zarvo.Scr";
int Lock_Depth = 0;
Folder_Lock Lock;
Score_File_Keeper Keeper = nullptr;
Score_File_Refresher Refresher = nullptr;

// A write that worked, and that the keeper (if there is one) kept.
bool Kept(bool written) {
    return written && (!Keeper || Keeper());
}

off_t Record_Offset(int record) {
    return static_cast<off_t>(record) * Score_Record_Size;
}

}  // namespace

void Encode_Score_Record(const Score_Entry& entry, Score_Record_Bytes out) {
    std::memset(out, 0, Score_Record_Size);
    int length = entry.Name.Length;
    if (length < 0) length = 0;
    if (length > Score_Name_Limit) length = Score_Name_Limit;
    out[0] = static_cast<uint8_t>(length);
    std::memcpy(out + 1, entry.Name.Letters, static_cast<size_t>(length));
    const uint32_t points = static_cast<uint32_t>(entry.Points);
    for (int b = 0; b < 4; ++b) out[12 + b] = static_cast<uint8_t>(points >> (8 * b));
}

Score_Entry Decode_Score_Record(const Score_Record_Bytes in) {
    Score_Entry entry;
    int length = in[0];
    if (length > Score_Name_Limit) length = Score_Name_Limit;
    entry.Name.Length = length;
    std::memcpy(entry.Name.Letters, in + 1, static_cast<size_t>(length));
    uint32_t points = 0;
    for (int b = 0; b < 4; ++b) points |= static_cast<uint32_t>(in[12 + b]) << (8 * b);
    entry.Points = static_cast<int32_t>(points);
    return entry;
}

void Set_Score_File_Path(const char* path) {
    std::strncpy(Path, path, Path_Limit - 1);
    Path[Path_Limit - 1] = '\0';
}

const char* Score_File_Path() {
    return Path;
}

Score_File_Keeper Set_Score_File_Keeper(Score_File_Keeper keeper) {
    const Score_File_Keeper before = Keeper;
    Keeper = keeper;
    return before;
}

Score_File_Refresher Set_Score_File_Refresher(Score_File_Refresher refresher) {
    const Score_File_Refresher before = Refresher;
    Refresher = refresher;
    return before;
}

Score_File_Lock::Score_File_Lock() {
    if (Lock_Depth++ != 0) return;
    Lock = Lock_Folder_Of(Path);
    if (Refresher) Refresher();
}

Score_File_Lock::~Score_File_Lock() {
    if (--Lock_Depth == 0) Unlock_Folder(Lock);
}

bool Score_File_Lock::Busy() const {
    return Lock.Busy;
}

bool Score_File_Exists() {
    struct stat info;
    return ::stat(Path, &info) == 0;
}

// A folder, a device or a pipe is never taken for the score file.
bool Score_Disk::Open_Existing() {
    Close();
    struct stat info;
    if (::stat(Path, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    do {
        fd_ = ::open(Path, O_RDWR | O_CLOEXEC);
    } while (fd_ < 0 && errno == EINTR);
    return fd_ >= 0;
}

bool Score_Disk::Create_Whole(const Score_File_Bytes table) {
    return Kept(Create_File_Atomically(Path, table, Score_File_Size));
}

int Score_Disk::Read_Whole_Records(Score_File_Bytes table) {
    int got = 0;
    while (fd_ >= 0 && got < Score_File_Size) {
        const ssize_t n =
            ::pread(fd_, table + got, static_cast<size_t>(Score_File_Size - got), got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<int>(n);
    }
    return got / Score_Record_Size;
}

bool Score_Disk::Store_Whole(const Score_File_Bytes table) {
    if (!Kept(Replace_File_Atomically(Path, fd_, table, Score_File_Size))) return false;
    return Open_Existing();
}

bool Score_Disk::Read(int record, Score_Record_Bytes out) {
    if (fd_ < 0 || record < 0) return false;
    ssize_t got;
    do {
        got = ::pread(fd_, out, Score_Record_Size, Record_Offset(record));
    } while (got < 0 && errno == EINTR);
    return got == Score_Record_Size;
}

bool Score_Disk::Write(int record, const Score_Record_Bytes in) {
    if (fd_ < 0 || record < 0) return false;
    ssize_t put;
    do {
        put = ::pwrite(fd_, in, Score_Record_Size, Record_Offset(record));
    } while (put < 0 && errno == EINTR);
    return Kept(put == Score_Record_Size);
}

void Score_Disk::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

}  // namespace zarvo
