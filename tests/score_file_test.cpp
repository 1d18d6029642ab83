// The score file: its layout, the default entries, storing, deleting and damaged files.
#include "screens/score_file.h"

#include <sys/stat.h>

#include "screens_support.h"
#include "support/test_game.h"

namespace zarvo::test {
namespace {

struct Score_File : ::testing::Test {
    Score_Folder folder;
    Test_Game t;
    ScreenState& c() { return t.w().screens; }

    void store(int difficulty, int rank, const char* name, int32_t score) {
        c().Score_Difficulty = difficulty;
        c().Name_Rank = rank;
        t.s().Player_Name = {};
        for (const char* p = name; *p; ++p)
            t.s().Player_Name.Letters[t.s().Player_Name.Length++] = *p;
        t.s().Score = score;
        Write_Score(t.g);
    }
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
        EXPECT_EQ(Name_Of(c().Score_Name[i]), i % 2 ? "Zarvo" : "Dornak") << i;
        EXPECT_EQ(c().Score_Points[i], 100000 - 3000 * i) << i;
    }
    EXPECT_FALSE(c().Drive_Error);
    EXPECT_TRUE(c().Score_File_Open);
    Close_Score(t.g);
    EXPECT_FALSE(c().Score_File_Open);
}

TEST_F(Score_File, StoringAtRankOneMovesTheTableDown) {
    Open_Score(t.g);
    const Bytes before = folder.bytes();
    store(2, 11, "ALICE", 99999);
    const Bytes after = folder.bytes();
    EXPECT_EQ(Record(after, 11), Record_Of("ALICE", 99999));
    for (int i = 12; i <= 20; ++i) EXPECT_EQ(Record(after, i), Record(before, i - 1)) << i;
    EXPECT_TRUE(Same_Span(before, after, 0, Table_Begin(2)));
    EXPECT_TRUE(Same_Span(before, after, Table_End(2), 496));
    EXPECT_EQ(t.s().Score, 0);
    EXPECT_EQ(Name_Of(c().Score_Name[11]), "ALICE");
    EXPECT_EQ(c().Score_Points[20], 43000);
}

TEST_F(Score_File, StoringAtRankTenReplacesOnlyTheLastEntry) {
    Open_Score(t.g);
    const Bytes before = folder.bytes();
    store(1, 10, "ABCDEFGHIJ", 70001);
    const Bytes after = folder.bytes();
    EXPECT_EQ(Record(after, 10), Record_Of("ABCDEFGHIJ", 70001));
    EXPECT_TRUE(Same_Span(before, after, 0, 10 * 16));
    EXPECT_TRUE(Same_Span(before, after, 11 * 16, 496));
}

TEST_F(Score_File, AnEmptyNameIsStoredAsNobody) {
    Open_Score(t.g);
    store(3, 25, "", 30000);
    EXPECT_EQ(Record(folder.bytes(), 25), Record_Of("NOBODY", 30000));
    EXPECT_EQ(Name_Of(t.s().Player_Name), "NOBODY");
}

TEST_F(Score_File, ARankOutsideTheShownTableWritesNothing) {
    Open_Score(t.g);
    const Bytes before = folder.bytes();
    const ScreenState tables = c();
    for (int rank : {0, 10, 21, 31, -1}) {
        store(2, rank, "EVE", 90000);
        EXPECT_EQ(folder.bytes(), before) << rank;
    }
    EXPECT_EQ(c().Score_Points[10], tables.Score_Points[10]);
    EXPECT_EQ(c().Score_Points[21], tables.Score_Points[21]);
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
    EXPECT_EQ(c().Score_Points[10], 70000);
}

TEST_F(Score_File, UnknownDifficultyWorksOnTheFirstTable) {
    EXPECT_EQ(Score_Table_Base(0), 1);
    EXPECT_EQ(Score_Table_Base(3), 21);
    EXPECT_EQ(Score_Table_Base(7), 1);
    Open_Score(t.g);
    c().Score_Difficulty = 9;
    Delete_Score(t.g);
    EXPECT_EQ(Record(folder.bytes(), 1), Record_Of("Zarvo", 0));
    EXPECT_EQ(Record(folder.bytes(), 11), Record_Of("Zarvo", 67000));
}

TEST_F(Score_File, DamagedRecordsLoadSafelyAndStayAsTheyAre) {
    Bytes file(496 + 40, 0xEE);
    for (int i = 1; i <= 30; ++i) {
        const Bytes r = Record_Of("AB", -i);
        std::copy(r.begin(), r.end(), file.begin() + 16 * i);
    }
    file[16 * 4] = 200;  // a length byte far beyond the name field
    folder.write(file);
    Open_Score(t.g);
    EXPECT_EQ(folder.bytes(), file);
    EXPECT_EQ(c().Score_Name[4].Length, 10);
    EXPECT_EQ(c().Score_Points[30], -30);
    EXPECT_FALSE(c().Drive_Error);
    // Storing and deleting never touch what lies beyond record 30.
    store(3, 21, "ZED", 5);
    c().Score_Difficulty = 1;
    Delete_Score(t.g);
    const Bytes after = folder.bytes();
    ASSERT_EQ(after.size(), file.size());
    EXPECT_TRUE(Same_Span(file, after, 496, file.size()));
    EXPECT_TRUE(Same_Span(file, after, Table_Begin(2), Table_End(2)));
}

TEST_F(Score_File, AShortFileLoadsWhatItHas) {
    Open_Score(t.g);  // the tables in memory now hold the defaults
    Bytes file(16 * 5 + 7, 0);
    const Bytes r = Record_Of("SHORT", 123);
    for (int i = 1; i <= 4; ++i) std::copy(r.begin(), r.end(), file.begin() + 16 * i);
    folder.write(file);
    Open_Score(t.g);
    EXPECT_EQ(folder.bytes(), file);
    EXPECT_FALSE(c().Drive_Error);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(c().Score_Points[i], 123);
    EXPECT_EQ(c().Score_Points[5], 85000);  // kept from memory
    EXPECT_EQ(c().Score_Points[30], 10000);
}

TEST_F(Score_File, AFolderThatCannotHoldTheFileShowsDriveError) {
    Set_Score_File_Path((folder.dir + "/missing/Zarvo.Scr").c_str());
    Open_Score(t.g);
    EXPECT_TRUE(c().Drive_Error);
    EXPECT_FALSE(c().Score_File_Open);
    EXPECT_EQ(c().Score_Points[1], 0);  // never loaded
    c().Score_Difficulty = 1;
    c().Name_Rank = 1;
    t.s().Score = 500;
    Write_Score(t.g);
    Delete_Score(t.g);
    EXPECT_EQ(c().Score_Points[1], 0);
    EXPECT_EQ(t.s().Score, 500);
    EXPECT_FALSE(std::filesystem::exists(folder.dir + "/missing"));
}

TEST_F(Score_File, APathThatIsNoFileIsNeverReplaced) {
    std::filesystem::create_directory(folder.path);
    Open_Score(t.g);
    EXPECT_TRUE(c().Drive_Error);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path));
}

TEST_F(Score_File, AFileThatRefusesWritesShowsDriveErrorAfterLoading) {
    // Reading /dev/full gives zeros, writing fails: the write-back finds out.
    Open_Score(t.g);
    Set_Score_File_Path("/dev/full");
    Open_Score(t.g);
    EXPECT_TRUE(c().Drive_Error);
    EXPECT_EQ(c().Score_Points[1], 97000);  // the failed record is not taken
    Set_Score_File_Path(folder.path.c_str());
    Open_Score(t.g);
    EXPECT_FALSE(c().Drive_Error);  // a working file may be used again
}

TEST_F(Score_File, AReadOnlyFileOrFolderStoresNothing) {
    if (!File_Modes_Apply()) GTEST_SKIP() << "file modes do not bind this user";
    Open_Score(t.g);
    const Bytes before = folder.bytes();
    ::chmod(folder.path.c_str(), 0444);
    Open_Score(t.g);
    EXPECT_TRUE(c().Drive_Error);
    store(1, 1, "RO", 99999);
    EXPECT_EQ(folder.bytes(), before);
    ::chmod(folder.path.c_str(), 0644);
    std::filesystem::remove(folder.path);
    ::chmod(folder.dir.c_str(), 0555);
    Open_Score(t.g);
    EXPECT_TRUE(c().Drive_Error);
    EXPECT_FALSE(folder.exists());
}

TEST_F(Score_File, TheStatusLineBlinksTenFramesOnTenOff) {
    Open_Score(t.g);
    for (int frame = 1; frame <= 19; ++frame) {
        Liste_Score(t.g);
        EXPECT_EQ(c().Score_Tick, frame);
    }
    Liste_Score(t.g);
    EXPECT_EQ(c().Score_Tick, 0);
}

}  // namespace
}  // namespace zarvo::test
