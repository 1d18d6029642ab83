// Thousands of damaged score files through the loader and the score screens, with random
// clicks and keys: nothing crashes, names never run past ten letters, and a table is only
// ever rewritten as a whole, never the bytes around it.
#include <algorithm>
#include <random>

#include "game/input.h"
#include "screens/name_entry.h"
#include "screens/title.h"
#include "support/score_folder.h"
#include "support/test_game.h"

namespace zarvo::test {
namespace {

struct Fuzz {
    std::mt19937 rng{20261207};
    int below(int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); }

    Bytes default_file() {
        Bytes file(496, 0);
        for (int i = 1; i <= 30; ++i) {
            const Bytes r = Record_Of(i % 2 ? "Zarvo" : "Dornak", 100000 - 3000 * i);
            std::copy(r.begin(), r.end(), file.begin() + 16 * i);
        }
        return file;
    }

    // Random bytes, a mangled good file, or a good file cut short or run long.
    Bytes damaged_file() {
        Bytes file;
        switch (below(4)) {
            case 0:
                file.resize(static_cast<size_t>(below(800)));
                for (auto& b : file) b = static_cast<uint8_t>(rng());
                break;
            case 1:
                file = default_file();
                for (int n = below(40); n > 0; --n)
                    file[static_cast<size_t>(below(496))] = static_cast<uint8_t>(rng());
                break;
            case 2:
                file = default_file();
                file.resize(static_cast<size_t>(below(496)));
                break;
            default:
                file = default_file();
                for (int n = below(300); n > 0; --n) file.push_back(static_cast<uint8_t>(rng()));
                for (int n = below(10); n > 0; --n)
                    file[16 * static_cast<size_t>(1 + below(30))] = static_cast<uint8_t>(rng());
        }
        return file;
    }
};

// A record as the game itself writes it: a length of at most ten, zeros after the name.
bool Clean_Record(const Bytes& file, int record) {
    const Bytes r = Record(file, record);
    if (r.empty() || r[0] > 10 || r[11] != 0) return false;
    for (int k = 1 + r[0]; k <= 10; ++k)
        if (r[static_cast<size_t>(k)] != 0) return false;
    return true;
}

// The span holds what it held; where the old file ended early, the gap reads as zeros.
bool Untouched(const Bytes& before, const Bytes& after, size_t from, size_t to) {
    const size_t kept = std::clamp(before.size(), from, to);
    if (!Same_Span(before, after, from, kept)) return false;
    return std::all_of(after.begin() + static_cast<long>(kept),
                       after.begin() + static_cast<long>(to), [](uint8_t b) { return b == 0; });
}

// Every table is as it was, or rewritten whole with clean records.
void Expect_Tables_Whole(const Bytes& before, const Bytes& after, int iteration) {
    ASSERT_GE(after.size(), before.size()) << iteration;
    EXPECT_TRUE(Same_Span(before, after, std::min<size_t>(before.size(), 496), before.size()))
        << "beyond record 30, file " << iteration;
    EXPECT_TRUE(Same_Span(before, after, 0, std::min<size_t>(before.size(), 16))) << iteration;
    for (int d = 1; d <= 3; ++d) {
        if (after.size() < Table_End(d)) continue;  // never written: the file still ends early
        if (Untouched(before, after, Table_Begin(d), Table_End(d))) continue;
        bool clean = true;
        for (int i = Score_Table_Base(d); i < Score_Table_Base(d) + 10; ++i)
            clean = clean && Clean_Record(after, i);
        EXPECT_TRUE(clean) << "table " << d << " of file " << iteration;
    }
}

// Loading leaves a whole file as it is; a short one is completed with default records.
void Expect_Loaded_Whole(const Bytes& file, const Bytes& loaded, int iteration) {
    if (file.size() >= 496) {
        ASSERT_EQ(loaded, file) << "loading changed file " << iteration;
        return;
    }
    ASSERT_EQ(loaded.size(), 496u) << iteration;
    const size_t whole = file.size() / 16 * 16;
    ASSERT_TRUE(Same_Span(file, loaded, 0, whole)) << iteration;
    for (int i = std::max(1, static_cast<int>(whole / 16)); i <= 30; ++i)
        ASSERT_TRUE(Clean_Record(loaded, i)) << iteration;
}

struct Score_Fuzz : ::testing::Test {
    Score_Folder folder;
    Test_Game t;
    Fuzz f;
    Game_State& s() { return t.s(); }

    void open_a_screen() {
        s().Difficulty = 1 + f.below(3);
        s().Score = f.below(4) == 0 ? -f.below(1000) : f.below(120000);
        if (f.below(2)) {
            s().Set_Score_New_On = true;
        } else {
            s().Sponsor_Score_On = true;
        }
    }

    void random_input() {
        static constexpr int Spots[][2] = {{291, 130}, {351, 130}, {411, 130}, {204, 350},
                                           {419, 350}, {321, 130}, {228, 374}, {395, 335}};
        const int pick = f.below(10);
        if (pick < 4) {
            const auto& spot = Spots[f.below(8)];
            Pending_Click(s(), spot[0], spot[1]);
        } else if (pick < 6) {
            const int x = 140 + f.below(340);
            Pending_Click(s(), x, 40 + f.below(350));
        } else if (pick < 9) {
            static constexpr Key_Code Keys[] = {
                Letter_Key('A'), Letter_Key('q'), Letter_Key('Z'), Key_Code::Backspace,
                Key_Code::Enter, Key_Code::Space, Letter_Key('m'), Key_Code::Other};
            FormKeyDown(t.g, Keys[f.below(8)]);
        }
    }

    // One frame of whichever score screen is up, as the frame loop runs it.
    void screen_frame() {
        if (s().Set_Score_New_On) {
            Show_Set_Score_New(t.g);
        } else if (s().Sponsor_Score_On) {
            Show_Score(t.g);
        } else {
            open_a_screen();
        }
        s().Mouse_Clicked = false;
        s().Key_Pressed = false;
    }
};

TEST_F(Score_Fuzz, DamagedFilesNeverBreakTheTables) {
    int rewritten = 0;
    for (int iteration = 0; iteration < 3000; ++iteration) {
        const Bytes file = f.damaged_file();
        folder.write(file);
        Open_Score(t.g);
        const Bytes loaded = folder.bytes();
        Expect_Loaded_Whole(file, loaded, iteration);
        ASSERT_FALSE(t.w().screens.Drive_Error) << iteration;
        for (int i = 1; i <= 30; ++i) {
            ASSERT_GE(t.w().screens.Score_Name[i].Length, 0);
            ASSERT_LE(t.w().screens.Score_Name[i].Length, 10);
        }
        for (int frame = f.below(30); frame > 0; --frame) {
            random_input();
            screen_frame();
        }
        const Bytes after = folder.bytes();
        Expect_Tables_Whole(loaded, after, iteration);
        if (HasFailure()) return;
        rewritten += after != loaded;
    }
    EXPECT_GT(rewritten, 300);  // the screens did store and delete along the way
}

}  // namespace
}  // namespace zarvo::test
