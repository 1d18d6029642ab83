#include "game/run_tables.h"

#include <stdlib.h>

#include <cstring>
#include <filesystem>

#include "platform/atomic_file.h"
#include "screens/score_file.h"

namespace zarvo {

Run_Tables Default_Run_Tables() {
    Run_Tables tables{};
    for (int i = 1; i <= Score_Records; ++i) {
        const char* name = Default_Score_Name(i);
        Score_Entry& e = tables[i];
        e.Name.Length = static_cast<int32_t>(std::strlen(name));
        std::memcpy(e.Name.Letters, name, static_cast<size_t>(e.Name.Length));
        e.Points = 100000 - 3000 * i;
    }
    return tables;
}

Run_Tables Load_Run_Tables() {
    Run_Tables tables = Default_Run_Tables();
    Score_Disk disk;
    if (!disk.Open_Existing()) return tables;
    Score_File_Bytes bytes;
    const int whole = disk.Read_Whole_Records(bytes);
    for (int i = 1; i < whole && i <= Score_Records; ++i)
        tables[i] = Decode_Score_Record(bytes + i * Score_Record_Size);
    return tables;
}

bool Put_Run_Tables(const char* path, const Run_Tables& tables) {
    Score_File_Bytes bytes{};
    for (int i = 1; i <= Score_Records; ++i)
        Encode_Score_Record(tables[i], bytes + i * Score_Record_Size);
    return Rewrite_File_Atomically(path, bytes, Score_File_Size);
}

Run_Table_Folder::~Run_Table_Folder() {
    std::error_code ignored;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
}

bool Run_Table_Folder::Make(const Run_Tables& tables, std::string& error) {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && tmp[0] == '/' ? tmp : "/tmp") + "/zarvo-run-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return error = "no folder can be made for the run's score table in " + pattern, false;
    folder_ = pattern;
    path_ = folder_ + "/Zarvo.Scr";
    if (Put_Run_Tables(path_.c_str(), tables)) return true;
    return error = "the run's score table cannot be written in " + folder_, false;
}

Score_File_Swap::Score_File_Swap(const char* path) {
    std::strncpy(before_, Score_File_Path(), sizeof before_ - 1);
    before_[sizeof before_ - 1] = '\0';
    Set_Score_File_Path(path);
    keeper_ = Set_Score_File_Keeper(nullptr);
    refresher_ = Set_Score_File_Refresher(nullptr);
}

Score_File_Swap::~Score_File_Swap() {
    Set_Score_File_Path(before_);
    Set_Score_File_Keeper(keeper_);
    Set_Score_File_Refresher(refresher_);
}

}  // namespace zarvo
