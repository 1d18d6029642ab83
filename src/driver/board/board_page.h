#pragma once
// The board's page: the tables of the three difficulties, all-time and this month, drawn on
// the server (no script), each entry a link that opens the game page watching its run.
#include <array>
#include <string>
#include <vector>

#include "driver/board/board_store.h"

namespace zarvo {

struct Page_Tables {
    std::vector<Table_Row> All_Time, Month;
};

// Today's daily tables, NOVICE to EXPERT.
struct Page_Daily {
    std::string Day;
    std::array<std::vector<Table_Row>, 3> Tables;
};

struct Page_Links {
    std::string Game_Page = "/";  // the game page's address (the site this board serves)
    std::string Board;  // this board's address as the game page reaches it; "" same origin
};

// The link that opens the game page watching run `id`: GAME_PAGE#watch=BOARD/runs/ID/file.
std::string Watch_Link(const Page_Links& links, int64_t id);

std::string Board_Page(const std::array<Page_Tables, 3>& tables, const std::string& month,
                       const Page_Daily& daily, const Page_Links& links,
                       const std::string& store_kind);

}  // namespace zarvo
