// The game as a browser page: the pictures and sounds are painted and synthesised at start by
// the same generator the build runs (there are no files to load), the score file comes back
// from the browser's storage, and the page's animation frames take over.
//
// The painting runs in slices that the page asks for (zarvo_prepare), so that the page draws
// its progress bar and answers input in between; the game starts in the slice that ends it.
//
// zarvo.html?seed=S seeds the game with S instead of the clock.
//
// Runs come and go through the page's script: zarvo_share_run() answers the run to share as a
// run file's text; a run brought by a link or a file is put into zarvo_run_buffer(size) and
// watched by zarvo_watch_run(size), which answers what is wrong with it, or an empty text;
// zarvo_showing() tells whether a run is being shown.
#include <emscripten/emscripten.h>

#include <memory>
#include <string>
#include <utility>

#include "assetgen/generate.h"
#include "driver/headless/runner.h"
#include "driver/page/web_board.h"
#include "driver/page/web_game.h"
#include "driver/page/web_probe.h"
#include "driver/page/web_runs.h"
#include "game/daily.h"
#include "game/run_file.h"
#include "platform/wall_clock.h"
#include "platform/web/web_page.h"
#include "platform/web/web_storage.h"
#include "screens/score_records.h"

namespace {

using namespace zarvo;

std::unique_ptr<assetgen::Asset_Maker> Maker;
double Start_Ms = 0;
Web_Game* Live_Game = nullptr;
std::string Run_Buffer;  // a run on its way in from the page

void Start_Game(Assets&& made, double preparing_ms) {
    static const Assets assets = std::move(made);
    // Every tab keeps a copy of the table: it is brought up to date whenever another tab
    // stores, and again under the lock of every store, which re-reads it before changing it.
    Refresh_Score_File_In_Page();
    Restore_Runs_From_Page();
    Start_Board_Sending();
    Set_Score_File_Keeper(&Keep_Score_File_In_Page);
    Set_Score_File_Refresher(&Refresh_Score_File_In_Page);
    Watch_Stored_File(Score_Store_Name);
    const double seed = Page_Query_Number("seed", -1);
    int screen_width = 0, screen_height = 0;
    Page_Screen_Size(screen_width, screen_height);
    static Web_Media media(&assets, Screen_Width, Screen_Height);
    // ?daily or #daily: the day's game (UTC), the same as everyone's, in place of the title.
    const int32_t daily = Page_Daily_Difficulty();
    const std::string day = Daily_Day_Of(Utc_Date_Now());
    static Web_Game game(media,
                         daily       ? Daily_Seed(day, daily)
                         : seed >= 0 ? static_cast<uint32_t>(seed)
                                     : Seed_From_Clock(),
                         screen_width, screen_height, day, daily);
    Live_Game = &game;
    Open_Web_Probe(assets, game.world(), media);
    media.Start(game);
    game.Show_First_Frame(emscripten_get_now());
    Page_Started(preparing_ms);
}

}  // namespace

int main() {
    Start_Ms = emscripten_get_now();
    Maker = std::make_unique<assetgen::Asset_Maker>();
    Page_Prepare();
    return 0;
}

// Paints for about budget_ms and answers how far the painting is, in thousandths; 1000 once
// it is done and the game has started. The game starts only once.
extern "C" EMSCRIPTEN_KEEPALIVE int zarvo_prepare(double budget_ms) {
    if (!Maker) return 1000;
    const double until = emscripten_get_now() + budget_ms;
    do Maker->Make_Next();
    while (!Maker->Done() && emscripten_get_now() < until);
    if (!Maker->Done()) return 1000 * Maker->Made() / assetgen::Asset_Maker::Total();
    Assets made = Maker->Take();
    Maker.reset();
    Start_Game(std::move(made), emscripten_get_now() - Start_Ms);
    return 1000;
}

// Another tab of the game stored the score table.
extern "C" EMSCRIPTEN_KEEPALIVE void zarvo_stored_elsewhere() {
    if (Live_Game) Live_Game->Scores_Stored_Elsewhere();
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* zarvo_share_run() {
    static std::string text;
    text = Live_Game ? Live_Game->Run_To_Share() : "";
    return text.c_str();
}

// 1 while a run is watched or played as the demo.
extern "C" EMSCRIPTEN_KEEPALIVE int zarvo_showing() {
    return Live_Game && Live_Game->Showing() ? 1 : 0;
}

// Room for a run of `size` bytes, or null when no run can be that large.
extern "C" EMSCRIPTEN_KEEPALIVE char* zarvo_run_buffer(int size) {
    if (size < 0 || static_cast<size_t>(size) > Run_Size_Limit) return nullptr;
    Run_Buffer.assign(static_cast<size_t>(size), '\0');
    return Run_Buffer.data();
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* zarvo_watch_run(int size) {
    static std::string error;
    if (!Live_Game)
        error = "The game has not started yet";
    else if (size < 0 || static_cast<size_t>(size) != Run_Buffer.size())
        error = "The run was not handed over whole";
    else
        error = Live_Game->Watch_Text(Run_Buffer);
    Run_Buffer = std::string();
    return error.c_str();
}
