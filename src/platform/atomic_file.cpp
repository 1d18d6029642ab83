#include "platform/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zarvo {

namespace {

constexpr size_t Name_Limit = PATH_MAX + 32;

bool Write_All(int fd, const uint8_t* bytes, size_t size) {
    while (size > 0) {
        const ssize_t put = ::write(fd, bytes, size);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        bytes += put;
        size -= static_cast<size_t>(put);
    }
    return true;
}

// The old file's bytes from `from` to its end, copied piece by piece.
bool Copy_Tail(int from_fd, off_t from, int to_fd) {
    uint8_t piece[4096];
    for (;;) {
        const ssize_t got = ::pread(from_fd, piece, sizeof piece, from);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        if (!Write_All(to_fd, piece, static_cast<size_t>(got))) return false;
        from += got;
    }
}

// The folder part of a path ("." for a bare name); answers where the file's own name begins.
const char* Folder_Of(const char* path, char (&folder)[Name_Limit]) {
    std::snprintf(folder, sizeof folder, "%s", path);
    char* slash = std::strrchr(folder, '/');
    if (!slash) {
        std::snprintf(folder, sizeof folder, ".");
        return path;
    }
    const char* name = path + (slash - folder) + 1;
    if (slash == folder)
        slash[1] = '\0';
    else
        *slash = '\0';
    return name;
}

// The file a path names, links followed; for a file not yet there, its folder's real place
// and its own name; the path itself when neither can be found.
const char* Resolved_Path(const char* path, char (&out)[PATH_MAX]) {
    if (::realpath(path, out)) return out;
    char folder[Name_Limit], real_folder[PATH_MAX];
    const char* name = Folder_Of(path, folder);
    if (!::realpath(folder, real_folder)) return path;
    const int n = std::snprintf(out, sizeof out, "%s/%s", real_folder, name);
    return n > 0 && static_cast<size_t>(n) < sizeof out ? out : path;
}

long long Now_Ms() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

// A file system that cannot flush a folder says so with EINVAL; that is no failure.
bool Sync_Folder_Of(const char* path) {
    char folder[Name_Limit];
    Folder_Of(path, folder);
    const int fd = ::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    ::close(fd);
    return ok;
}

// Writes the temporary file beside the target and flushes it to the disk.
bool Write_Temporary(const char* temp, mode_t mode, const uint8_t* head, size_t head_size,
                     int old_fd, bool replacing) {
    int fd = ::open(temp, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0 && errno == EEXIST) {  // left by an earlier process of the same number
        ::unlink(temp);
        fd = ::open(temp, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    }
    if (fd < 0) return false;
    // A replacement keeps the old file's permissions; a new file takes the umask's.
    bool ok = (!replacing || ::fchmod(fd, mode) == 0) && Write_All(fd, head, head_size);
    if (ok && old_fd >= 0) ok = Copy_Tail(old_fd, static_cast<off_t>(head_size), fd);
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok;
}

// The process number in "<name>.<digits>.new", or 0 when `entry` is no temporary of `name`.
long Temporary_Owner(const char* entry, const char* name) {
    const size_t n = std::strlen(name), length = std::strlen(entry);
    if (length <= n + 5 || std::strncmp(entry, name, n) != 0 || entry[n] != '.') return 0;
    if (std::strcmp(entry + length - 4, ".new") != 0) return 0;
    long pid = 0;
    for (size_t i = n + 1; i < length - 4; ++i) {
        if (entry[i] < '0' || entry[i] > '9' || pid > 99999999) return 0;
        pid = pid * 10 + (entry[i] - '0');
    }
    return pid;
}

bool Store(const char* target, int old_fd, mode_t mode, const uint8_t* head, size_t head_size,
           bool keep_tail) {
    Remove_Stale_Temporaries(target);
    char temp[Name_Limit];
    const int n =
        std::snprintf(temp, sizeof temp, "%s.%ld.new", target, static_cast<long>(::getpid()));
    if (n < 0 || static_cast<size_t>(n) >= sizeof temp) return false;
    if (!Write_Temporary(temp, mode, head, head_size, keep_tail ? old_fd : -1, old_fd >= 0)) {
        ::unlink(temp);
        return false;
    }
    // Creating never replaces: something that appeared meanwhile stays.
    struct stat info;
    if ((old_fd < 0 && ::lstat(target, &info) == 0) || ::rename(temp, target) != 0) {
        ::unlink(temp);
        return false;
    }
    return Sync_Folder_Of(target);
}

}  // namespace

bool Replace_File_Atomically(const char* path, int old_fd, const uint8_t* head, size_t head_size) {
    struct stat info;
    if (old_fd < 0 || ::fstat(old_fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    char target[PATH_MAX];
    if (!::realpath(path, target)) return false;
    return Store(target, old_fd, info.st_mode & 07777, head, head_size, true);
}

bool Create_File_Atomically(const char* path, const uint8_t* bytes, size_t size) {
    struct stat info;
    if (::lstat(path, &info) == 0 || errno != ENOENT) return false;
    return Store(path, -1, 0644, bytes, size, false);
}

bool Rewrite_File_Atomically(const char* path, const uint8_t* bytes, size_t size) {
    struct stat info;
    if (::stat(path, &info) != 0) return errno == ENOENT && Create_File_Atomically(path, bytes, size);
    if (!S_ISREG(info.st_mode)) return false;
    char target[PATH_MAX];
    if (!::realpath(path, target)) return false;
    const int fd = ::open(target, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat opened;
    const bool ok = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
                    Store(target, fd, opened.st_mode & 07777, bytes, size, false);
    ::close(fd);
    return ok;
}

bool Process_Ended(long pid) {
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

void Remove_Stale_Temporaries(const char* path) {
    char folder[Name_Limit];
    const char* name = Folder_Of(path, folder);
    DIR* d = ::opendir(folder);
    if (!d) return;
    const int dir_fd = ::dirfd(d);
    while (const dirent* e = ::readdir(d)) {
        const long pid = Temporary_Owner(e->d_name, name);
        if (pid <= 0 || pid == ::getpid() || !Process_Ended(pid)) continue;
        ::unlinkat(dir_fd, e->d_name, 0);
    }
    ::closedir(d);
}

Folder_Lock Lock_Folder_Of(const char* path, int wait_ms) {
    char resolved[PATH_MAX], folder[Name_Limit];
    Folder_Of(Resolved_Path(path, resolved), folder);
    Folder_Lock lock;
    lock.Fd = ::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lock.Fd < 0) return lock;
    const long long deadline = Now_Ms() + wait_ms;
    for (;;) {
        if (::flock(lock.Fd, LOCK_EX | LOCK_NB) == 0) return lock;
        if (errno == EWOULDBLOCK && Now_Ms() >= deadline) {
            lock.Busy = true;
            break;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        const timespec pause{0, 2'000'000};
        ::nanosleep(&pause, nullptr);
    }
    ::close(lock.Fd);
    lock.Fd = -1;
    return lock;
}

void Unlock_Folder(Folder_Lock& lock) {
    if (lock.Fd >= 0) ::close(lock.Fd);
    lock = {};
}

}  // namespace zarvo
