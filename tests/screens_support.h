#pragma once
// Helpers for the score screens' tests: a private folder for the score file, the file's
// bytes, and a media that remembers where text was drawn.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "screens/score_file.h"
#include "screens/score_records.h"
#include "shell/headless_media.h"

namespace zarvo::test {

using Bytes = std::vector<uint8_t>;

// A temporary folder holding the score file for one test; the game's file path points there.
struct Score_Folder {
    std::string dir;
    std::string path;

    Score_Folder() {
        char pattern[] = "/tmp/zarvo_scores_XXXXXX";
        const char* made = ::mkdtemp(pattern);
        if (!made) throw std::runtime_error("no temporary folder");
        dir = made;
        path = dir + "/Zarvo.Scr";
        Set_Score_File_Path(path.c_str());
    }
    ~Score_Folder() {
        std::error_code ignored;
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(dir, ignored);
        Set_Score_File_Path("Zarvo.Scr");
    }

    Bytes bytes() const {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    void write(const Bytes& data) const {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<long>(data.size()));
    }
    bool exists() const { return std::filesystem::exists(path); }
};

// The bytes of one 16-byte record.
inline Bytes Record(const Bytes& file, int record) {
    const size_t from = static_cast<size_t>(record) * Score_Record_Size;
    if (file.size() < from + Score_Record_Size) return {};
    return Bytes(file.begin() + static_cast<long>(from),
                 file.begin() + static_cast<long>(from + Score_Record_Size));
}

inline Bytes Record_Of(const char* name, int32_t points) {
    Score_Entry entry;
    entry.Name.Length = static_cast<int32_t>(std::strlen(name));
    std::memcpy(entry.Name.Letters, name, static_cast<size_t>(entry.Name.Length));
    entry.Points = points;
    Bytes out(Score_Record_Size);
    Encode_Score_Record(entry, out.data());
    return out;
}

inline std::string Name_Of(const Score_Name_Text& name) {
    return std::string(name.Letters, static_cast<size_t>(name.Length));
}

// Bytes [from, to) of two files are the same.
inline bool Same_Span(const Bytes& a, const Bytes& b, size_t from, size_t to) {
    if (a.size() < to || b.size() < to) return false;
    return std::equal(a.begin() + static_cast<long>(from), a.begin() + static_cast<long>(to),
                      b.begin() + static_cast<long>(from));
}

// Byte range of a difficulty's table in the file.
inline size_t Table_Begin(int difficulty) {
    return static_cast<size_t>(Score_Table_Base(difficulty)) * Score_Record_Size;
}
inline size_t Table_End(int difficulty) {
    return Table_Begin(difficulty) + Score_Table_Size * Score_Record_Size;
}

// A headless media that remembers every image it drew.
struct Drawn {
    Image_List List;
    int Index, X, Y;
};

struct Recording_Media : Headless_Media {
    std::vector<Drawn> drawn;
    void Draw_Image(Image_List list, int index, int x, int y, int frame = 0) override {
        drawn.push_back({list, index, x, y});
        Headless_Media::Draw_Image(list, index, x, y, frame);
    }
    // Letters of the bitmap alphabet drawn with their top-left corner at (x, y).
    int letters_at(int x, int y) const {
        int n = 0;
        for (const Drawn& d : drawn) n += d.List == Image_List::Abc && d.X == x && d.Y == y;
        return n;
    }
    int letters_in_row(int y) const {
        int n = 0;
        for (const Drawn& d : drawn) n += d.List == Image_List::Abc && d.Y == y;
        return n;
    }
    bool drew(Image_List list, int index, int x, int y) const {
        for (const Drawn& d : drawn)
            if (d.List == list && d.Index == index && d.X == x && d.Y == y) return true;
        return false;
    }
};

// The permission tests need a user whom the file system refuses.
inline bool File_Modes_Apply() {
    return ::geteuid() != 0;
}

}  // namespace zarvo::test
