// The score file's reader and writer. The input's first bytes choose what the screens do
// (store an entry, delete a table, open again), the rest is the file as it lies on the disk.
// Whatever the file held: the names never run past ten letters, loading leaves a whole table,
// and a store or a delete changes nothing but the ten records of the shown table.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_media.h"
#include "screens/score_file.h"
#include "screens/score_records.h"

using namespace zarvo;

namespace {

using Bytes = std::vector<uint8_t>;

// The file lies in a folder of its own, in memory where it can, removed at the end.
// The file lies in a folder of its own, in memory where it can, removed at the end.
char Folder[64], File_Path[80];

const char* Path() {
    if (File_Path[0]) return File_Path;
    std::snprintf(Folder, sizeof Folder, "%s/zarvo_fuzz_scores_XXXXXX",
                  ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
    if (!::mkdtemp(Folder)) std::abort();
    std::snprintf(File_Path, sizeof File_Path, "%s/Zarvo.Scr", Folder);
    Set_Score_File_Path(File_Path);
    std::atexit([] {
        ::unlink(File_Path);
        ::rmdir(Folder);
    });
    return File_Path;
}

Bytes Read_File() {
    Bytes out;
    if (std::FILE* f = std::fopen(Path(), "rb")) {
        int c;
        while ((c = std::fgetc(f)) != EOF) out.push_back(static_cast<uint8_t>(c));
        std::fclose(f);
    }
    return out;
}

void Check(bool ok) {
    if (!ok) std::abort();
}

void Check_Names(const Screen_State& c) {
    for (int i = 1; i <= Score_Records; ++i)
        Check(c.Score_Name[i].Length >= 0 && c.Score_Name[i].Length <= Score_Name_Limit);
}

// Everything but the ten records of one table is as it was.
void Check_Only_Table_Changed(const Bytes& before, const Bytes& after, int difficulty) {
    Check(after.size() == before.size());
    const size_t from = 16u * static_cast<size_t>(Score_Table_Base(difficulty)), to = from + 160;
    for (size_t i = 0; i < after.size(); ++i)
        if (i < from || i >= to) Check(after[i] == before[i]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static World world;
    static Headless_Media media;
    Game g{world, media};
    if (size < 4) return 0;
    const uint8_t* actions = data;
    {
        std::FILE* f = std::fopen(Path(), "wb");
        Check(f && std::fwrite(data + 4, 1, size - 4, f) == size - 4 && std::fclose(f) == 0);
    }
    world = World{};
    Screen_State& c = world.screens;
    Open_Score(g);
    Check_Names(c);
    Check(c.Drive_Error || Read_File().size() >= static_cast<size_t>(Score_File_Size));
    for (int a = 0; a < 4 && !c.Drive_Error; ++a) {
        const int what = actions[a] & 3, difficulty = 1 + (actions[a] >> 2) % 3;
        c.Score_Difficulty = difficulty;
        const Bytes before = Read_File();
        if (what == 0) {
            c.Name_Rank = Score_Table_Base(difficulty) + (actions[a] >> 4) % 10;
            world.game.Player_Name.Length = (actions[a] >> 3) % 11;
            std::memset(world.game.Player_Name.Letters, 'Q', 10);
            world.game.Score = static_cast<int32_t>(actions[a]) * 9973;
            Write_Score(g);
            Check(world.game.Score == 0 || c.Drive_Error);
        } else if (what == 1) {
            Delete_Score(g);
        } else {
            Open_Score(g);
            Check(c.Drive_Error || Read_File() == before);
        }
        if (what < 2 && !c.Drive_Error) Check_Only_Table_Changed(before, Read_File(), difficulty);
        Check_Names(c);
    }
    return 0;
}
