#pragma once
// Storing a small file so that a crash, a kill or a power loss at any instant leaves either
// all of its old content or all of the new, never a mixture: the new bytes go to a temporary
// file in the same folder, which is flushed to the disk and then renamed over the old name,
// and the folder itself is flushed last. Nothing here allocates.
#include <cstddef>
#include <cstdint>

namespace zarvo {

// Replaces the regular file at path, open for reading at old_fd, with head followed by the
// old file's bytes beyond head_size, and keeps its permissions. A symbolic link is followed:
// the file it points to is replaced. Answers false, leaving the old file as it was, when any
// step before the rename fails (and when the folder cannot be flushed after it).
bool Replace_File_Atomically(const char* path, int old_fd, const uint8_t* head, size_t head_size);

// Creates the file at path holding exactly the bytes, only when nothing stands at path yet;
// on any failure nothing is left behind.
bool Create_File_Atomically(const char* path, const uint8_t* bytes, size_t size);

// Makes the regular file at path (created when missing) hold exactly the bytes, the same way:
// a link is followed, the permissions are kept. Anything but a regular file is refused.
bool Rewrite_File_Atomically(const char* path, const uint8_t* bytes, size_t size);

// Removes the temporary files that games no longer running left beside path ("<name>.<process
// number>.new", from a game killed while storing).
void Remove_Stale_Temporaries(const char* path);

// Whether the process of that number has ended (a process of another user still runs).
bool Process_Ended(long pid);

// How long a game waits for another game's lock on a folder before it gives up: a game that
// holds it is stopped (SIGSTOP) or hangs; a store takes milliseconds.
inline constexpr int Lock_Wait_Ms = 2000;

// An exclusive lock on the folder that holds the file at path, for the read, change and store
// of a file in it by one game at a time. The folder is the one of the file itself: a link to
// it and its own name lock the same folder.
struct Folder_Lock {
    int Fd = -1;        // the lock's handle; -1: not held
    bool Busy = false;  // another game held it for longer than the wait
};
// Waits at most wait_ms for a game holding the lock. A folder that cannot be locked at all
// (a file system without locks) answers neither held nor busy: the caller goes on without.
Folder_Lock Lock_Folder_Of(const char* path, int wait_ms = Lock_Wait_Ms);
void Unlock_Folder(Folder_Lock& lock);

}  // namespace zarvo
