#pragma once
// Helpers for the score screens' tests: a private folder for the score file, its records,
// and a media that remembers where letters were drawn.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/headless/headless_media.h"
#include "screens/score_file.h"
#include "screens/score_records.h"

namespace zarvo::test {

using Bytes = std::vector<uint8_t>;

// A temporary folder holding the score file for one test; the game's file path points there.
// It lies in memory where it can: every stored table is flushed to the disk, which on a real
// disk costs milliseconds, and the screens' tests store thousands of them.
struct Score_Folder {
    std::string dir, path;

    Score_Folder() {
        std::string pattern = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        pattern += "/zarvo_scores_XXXXXX";
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        dir = pattern;
        path = dir + "/Zarvo.Scr";
        Set_Score_File_Path(path.c_str());
    }
    ~Score_Folder() {
        std::error_code ignored;
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
};

inline Bytes Record(const Bytes& file, int record) {
    const size_t from = static_cast<size_t>(record) * Score_Record_Size;
    if (file.size() < from + Score_Record_Size) return {};
    return Bytes(file.begin() + static_cast<long>(from),
                 file.begin() + static_cast<long>(from + Score_Record_Size));
}

// A record as the game writes it, built by hand: length, name, zeros, little-endian score.
inline Bytes Record_Of(const char* name, int32_t points) {
    Bytes out(Score_Record_Size, 0);
    out[0] = static_cast<uint8_t>(std::strlen(name));
    std::memcpy(out.data() + 1, name, out[0]);
    for (int b = 0; b < 4; ++b) out[12 + b] = static_cast<uint8_t>(uint32_t(points) >> 8 * b);
    return out;
}

// Stores the player's entry at a rank of a difficulty's table, as the name entry does.
inline void Store_Score(Game& g, int difficulty, int rank, const char* name, int32_t score) {
    g.w.screens.Score_Difficulty = difficulty;
    g.w.screens.Name_Rank = rank;
    g.w.game.Player_Name = {};
    for (const char* p = name; *p; ++p)
        g.w.game.Player_Name.Letters[g.w.game.Player_Name.Length++] = *p;
    g.w.game.Score = score;
    Write_Score(g);
}

// Bytes [from, to) of two files are the same.
inline bool Same_Span(const Bytes& a, const Bytes& b, size_t from, size_t to) {
    if (a.size() < to || b.size() < to) return false;
    return std::equal(a.begin() + static_cast<long>(from), a.begin() + static_cast<long>(to),
                      b.begin() + static_cast<long>(from));
}

// Byte range of a difficulty's table in the file.
inline size_t Table_Begin(int difficulty) {
    return 16u * Score_Table_Base(difficulty);
}
inline size_t Table_End(int difficulty) {
    return Table_Begin(difficulty) + 160;
}

// A headless media that remembers where letters of the bitmap alphabet were drawn.
struct Recording_Media : Headless_Media {
    std::vector<std::pair<int, int>> letters;
    void Draw_Image(Image_Id image, int x, int y, int frame = 0) override {
        if (image.List == Image_List::Abc) letters.push_back({x, y});
        Headless_Media::Draw_Image(image, x, y, frame);
    }
    int letters_at(int x, int y) const {
        return static_cast<int>(std::count(letters.begin(), letters.end(), std::pair{x, y}));
    }
    int letters_in_row(int y) const {
        return static_cast<int>(std::count_if(letters.begin(), letters.end(),
                                              [&](const auto& p) { return p.second == y; }));
    }
};

}  // namespace zarvo::test
