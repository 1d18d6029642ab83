// The score file: its layout, the default entries, storing, deleting and damaged files.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "support/score_folder.h"
#include "support/test_game.h"

namespace zarvo::test {
namespace {

struct Score_File : ::testing::Test {
    Score_Folder folder;
    Test_Game t;
    Screen_State& c() { return t.w().screens; }
};

TEST_F(Score_File, NewFileHoldsTheThirtyDefaultEntries) {
    Open_Score(t.g);
    const Bytes file = folder.bytes();
    ASSERT_EQ(file.size(), 496u);
    EXPECT_EQ(Record(file, 0), Bytes(16, 0));
    const Bytes first = Record(file, 1);
    EXPECT_EQ(first[0], 5);
    EXPECT_EQ(std::string(first.begin() + 1, first.begin() + 6), "Zarvo");
    EXPECT_EQ(first[12] | first[13] << 8 | first[14] << 16 | first[15] << 24, 97000);
    EXPECT_EQ(Record(file, 30), Record_Of("Dornak", 10000));
    for (int i = 1; i <= 30; ++i) {
        EXPECT_EQ(Record(file, i), Record_Of(i % 2 ? "Zarvo" : "Dornak", 100000 - 3000 * i));
        EXPECT_EQ(c().Score_Points[i], 100000 - 3000 * i);
    }
    EXPECT_FALSE(c().Drive_Error);
}

TEST_F(Score_File, StoringRewritesOnlyTheShownTable) {
    Open_Score(t.g);
    const Bytes before = folder.bytes();
    Store_Score(t.g, 2, 11, "ALICE",
                99999);  // rank 1: the table moves down, its tenth entry is lost
    Bytes after = folder.bytes();
    EXPECT_EQ(Record(after, 11), Record_Of("ALICE", 99999));
    for (int i = 12; i <= 20; ++i) EXPECT_EQ(Record(after, i), Record(before, i - 1)) << i;
    EXPECT_TRUE(Same_Span(before, after, 0, Table_Begin(2)));
    EXPECT_TRUE(Same_Span(before, after, Table_End(2), 496));
    EXPECT_EQ(t.s().Score, 0);

    Store_Score(t.g, 1, 10, "ABCDEFGHIJ", 70001);  // rank 10 replaces only the last entry
    after = folder.bytes();
    EXPECT_EQ(Record(after, 10), Record_Of("ABCDEFGHIJ", 70001));
    EXPECT_TRUE(Same_Span(before, after, 0, 160));

    Store_Score(t.g, 3, 25, "", 30000);  // an empty name
    EXPECT_EQ(Record(folder.bytes(), 25), Record_Of("NOBODY", 30000));

    // A rank outside the shown table would overwrite another difficulty's entries.
    after = folder.bytes();
    for (int rank : {0, 10, 21, 31, -1}) Store_Score(t.g, 2, rank, "EVE", 90000);
    EXPECT_EQ(folder.bytes(), after);
}

TEST_F(Score_File, DeletingOneTableLeavesTheOthers) {
    Open_Score(t.g);
    const Bytes before = folder.bytes();
    c().Score_Difficulty = 2;
    Delete_Score(t.g);
    const Bytes after = folder.bytes();
    for (int i = 11; i <= 20; ++i) {
        EXPECT_EQ(Record(after, i), Record_Of(i % 2 ? "Zarvo" : "Dornak", 0)) << i;
        EXPECT_EQ(c().Score_Points[i], 0);
    }
    EXPECT_TRUE(Same_Span(before, after, 0, Table_Begin(2)));
    EXPECT_TRUE(Same_Span(before, after, Table_End(2), 496));
    c().Score_Difficulty = 9;  // an unknown difficulty works on the first table
    Delete_Score(t.g);
    EXPECT_EQ(Record(folder.bytes(), 1), Record_Of("Zarvo", 0));
}

TEST_F(Score_File, DamagedFilesLoadSafelyAndStayAsTheyAre) {
    Bytes file(496 + 40, 0xEE);
    for (int i = 1; i <= 30; ++i) {
        const Bytes r = Record_Of("AB", -i);
        std::copy(r.begin(), r.end(), file.begin() + 16 * i);
    }
    file[16 * 4] = 200;  // a name length far beyond the name field
    folder.write(file);
    Open_Score(t.g);
    EXPECT_EQ(folder.bytes(), file);
    EXPECT_EQ(c().Score_Name[4].Length, 10);
    EXPECT_EQ(c().Score_Points[30], -30);
    Store_Score(t.g, 3, 21, "ZED", 5);
    c().Score_Difficulty = 1;
    Delete_Score(t.g);
    EXPECT_TRUE(Same_Span(file, folder.bytes(), 496, file.size()));  // beyond record 30
    EXPECT_TRUE(Same_Span(file, folder.bytes(), Table_Begin(2), Table_End(2)));

    // A short file is stored again whole, never taken for a table without entries: its
    // whole records stay, the missing ones take their defaults. An empty file is a new one.
    file.assign(16 * 5 + 7, 0);
    for (int i = 1; i <= 4; ++i) std::copy_n(Record_Of("SHORT", 123).begin(), 16, &file[16 * i]);
    folder.write(file);
    Open_Score(t.g);
    const Bytes completed = folder.bytes();
    ASSERT_EQ(completed.size(), 496u);
    EXPECT_TRUE(Same_Span(file, completed, 0, 16 * 5));
    EXPECT_EQ(Record(completed, 5), Record_Of("Zarvo", 85000));
    EXPECT_EQ(Record(completed, 30), Record_Of("Dornak", 10000));
    EXPECT_FALSE(c().Drive_Error);
    EXPECT_EQ(std::tuple(c().Score_Points[4], c().Score_Points[5]), std::tuple(123, 85000));
    folder.write({});
    Open_Score(t.g);
    EXPECT_EQ(folder.bytes().size(), 496u);
    EXPECT_EQ(c().Score_Points[1], 97000);
    EXPECT_EQ(c().Score_Name[30].Length, 6);
}

TEST_F(Score_File, DriveErrorStoresNothingAndClearsWhenTheFileWorksAgain) {
    Set_Score_File_Path((folder.dir + "/missing/Zarvo.Scr").c_str());
    Open_Score(t.g);
    EXPECT_TRUE(c().Drive_Error);
    // Never loaded: the entries a new file would have started with, not blank rows.
    EXPECT_EQ(c().Score_Points[1], 97000);
    EXPECT_EQ(c().Score_Name[1].Length, 5);
    EXPECT_EQ(c().Score_Points[30], 10000);
    Store_Score(t.g, 1, 1, "LOST", 500);
    Delete_Score(t.g);
    EXPECT_EQ(c().Score_Points[1], 97000);
    EXPECT_EQ(t.s().Score, 500);
    EXPECT_FALSE(std::filesystem::exists(folder.dir + "/missing"));

    // Something that is not a file is never replaced.
    Set_Score_File_Path(folder.dir.c_str());
    Open_Score(t.g);
    EXPECT_TRUE(c().Drive_Error);
    EXPECT_TRUE(std::filesystem::is_directory(folder.dir));

    // Reading /dev/full gives zeros, writing fails: the write-back on loading finds out.
    Set_Score_File_Path(folder.path.c_str());
    Open_Score(t.g);
    Set_Score_File_Path("/dev/full");
    Open_Score(t.g);
    EXPECT_TRUE(c().Drive_Error);
    EXPECT_EQ(c().Score_Points[1], 97000);  // the record that failed is not taken

    Set_Score_File_Path(folder.path.c_str());
    Open_Score(t.g);
    EXPECT_FALSE(c().Drive_Error);
}

// What another copy of the game stored meanwhile (another tab of the browser, which keeps a
// copy of the file for each): a refresher brings it when a store takes the lock.
const Score_Folder* Other_Folder = nullptr;
Bytes Other_Store;

TEST_F(Score_File, AStoreWorksOnTheTableItsRefresherBroughtUnderTheLock) {
    Open_Score(t.g);
    Other_Store = folder.bytes();
    const Bytes theirs = Record_Of("TAB", 123456);
    std::copy(theirs.begin(), theirs.end(), Other_Store.begin() + 16 * 11);
    Other_Folder = &folder;
    Set_Score_File_Refresher([] { Other_Folder->write(Other_Store); });
    c().Score_Difficulty = 1;
    Delete_Score(t.g);
    Set_Score_File_Refresher(nullptr);
    const Bytes after = folder.bytes();
    EXPECT_EQ(Record(after, 11), theirs) << "the other copy's entry is kept";
    EXPECT_EQ(Record(after, 1), Record_Of("Zarvo", 0));
}

// Runs as an ordinary user in a child process; the child's exit code is its verdict.
void As_Ordinary_User(bool (*verdict)(Score_File&), Score_File& f) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(2);
    std::_Exit(verdict(f) ? 0 : 1);
}

TEST_F(Score_File, AReadOnlyFileOrFolderShowsDriveErrorAndStoresNothing) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Open_Score(t.g);
    const Bytes before = folder.bytes();
    ::chmod(folder.dir.c_str(), 0755);
    ::chmod(folder.path.c_str(), 0444);
    auto read_only_file = [](Score_File& f) {
        Open_Score(f.t.g);
        Store_Score(f.t.g, 1, 1, "RO", 99999);
        return f.c().Drive_Error && f.c().Score_Points[1] == 97000;
    };
    EXPECT_EXIT(As_Ordinary_User(read_only_file, *this), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(folder.bytes(), before);

    std::filesystem::remove(folder.path);
    ::chmod(folder.dir.c_str(), 0555);
    auto read_only_folder = [](Score_File& f) {
        Open_Score(f.t.g);
        return f.c().Drive_Error && !std::filesystem::exists(f.folder.path);
    };
    EXPECT_EXIT(As_Ordinary_User(read_only_folder, *this), ::testing::ExitedWithCode(0), "");
    ::chmod(folder.dir.c_str(), 0755);
}

}  // namespace
}  // namespace zarvo::test
