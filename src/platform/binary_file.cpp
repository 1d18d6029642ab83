#include "platform/binary_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zarvo {

namespace {

void Tell(std::string* why, const char* reason) {
    if (why) *why = reason;
}

// Reads everything the stream gives, in pieces, up to the limit.
template <typename Buffer>
bool Read_Stream(std::FILE* f, Buffer& out, std::string* why) {
    char piece[1 << 14];
    size_t got;
    while ((got = std::fread(piece, 1, sizeof piece, f)) > 0) {
        if (out.size() + got > Read_Limit) return Tell(why, "is too large to read"), false;
        out.insert(out.end(), piece, piece + got);
    }
    if (std::ferror(f)) return Tell(why, "cannot be read"), false;
    return true;
}

// Opens for reading without waiting: a pipe with no writer would hold open() forever.
std::FILE* Open_Without_Waiting(const std::string& path, bool regular_only, std::string* why) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Tell(why, "cannot be read"), nullptr;
    struct stat info;
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (regular_only && !regular && !S_ISDIR(info.st_mode)) {
        ::close(fd);
        return Tell(why, "is not a regular file (a pipe or a device?)"), nullptr;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f) ::close(fd), Tell(why, "cannot be read");
    return f;
}

template <typename Buffer>
bool Read_Into(const std::string& path, Buffer& out, std::string* why, bool regular_only) {
    out.clear();
    std::FILE* f = Open_Without_Waiting(path, regular_only, why);
    if (!f) return false;
    struct stat info;
    bool ok = ::fstat(fileno(f), &info) == 0;
    if (!ok) {
        Tell(why, "cannot be read");
    } else if (S_ISDIR(info.st_mode)) {
        ok = false;
        Tell(why, "is a folder, not a file");
    } else if (S_ISREG(info.st_mode) && static_cast<uint64_t>(info.st_size) > Read_Limit) {
        ok = false;
        Tell(why, "is too large to read");
    } else {
        if (S_ISREG(info.st_mode)) out.reserve(static_cast<size_t>(info.st_size));
        ok = Read_Stream(f, out, why);
    }
    std::fclose(f);
    return ok;
}

bool Write_Bytes(const std::string& path, const void* data, size_t size, std::string* why) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        if (why) *why = std::strerror(errno);
        return false;
    }
    bool ok = std::fwrite(data, 1, size, f) == size && std::fflush(f) == 0;
    int error = ok ? 0 : errno;
    if (std::fclose(f) != 0 && ok) ok = false, error = errno;
    if (!ok && why) *why = std::strerror(error);
    return ok;
}

}  // namespace

bool Read_Whole_File(const std::string& path, std::vector<uint8_t>& bytes, std::string* why) {
    return Read_Into(path, bytes, why, false);
}

bool Read_Whole_File(const std::string& path, std::string& text, std::string* why) {
    return Read_Into(path, text, why, false);
}

bool Read_Regular_File(const std::string& path, std::vector<uint8_t>& bytes, std::string* why) {
    return Read_Into(path, bytes, why, true);
}

bool Read_Regular_File(const std::string& path, std::string& text, std::string* why) {
    return Read_Into(path, text, why, true);
}

bool Write_Whole_File(const std::string& path, const std::vector<uint8_t>& bytes,
                      std::string* why) {
    return Write_Bytes(path, bytes.data(), bytes.size(), why);
}

bool Write_Whole_File(const std::string& path, const std::string& text, std::string* why) {
    return Write_Bytes(path, text.data(), text.size(), why);
}

}  // namespace zarvo
