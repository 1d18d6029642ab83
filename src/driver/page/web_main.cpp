// The game as a browser page: the pictures and sounds are painted and synthesised at start by
// the same generator the build runs (there are no files to load), the score file comes back
// from the browser's storage, and the page's animation frames take over.
//
// The painting runs in slices that the page asks for (zarvo_prepare), so that the page draws
// its progress bar and answers input in between; the game starts in the slice that ends it.
//
// zarvo.html?seed=S seeds the game with S instead of the clock.
#include <emscripten/emscripten.h>

#include <memory>
#include <utility>

#include "assetgen/generate.h"
#include "driver/headless/runner.h"
#include "driver/page/web_game.h"
#include "driver/page/web_probe.h"
#include "platform/web/web_page.h"
#include "platform/web/web_storage.h"
#include "screens/score_records.h"

namespace {

using namespace zarvo;

std::unique_ptr<assetgen::Asset_Maker> Maker;
double Start_Ms = 0;
Web_Game* Live_Game = nullptr;

void Start_Game(Assets&& made, double preparing_ms) {
    static const Assets assets = std::move(made);
    // Every tab keeps a copy of the table: it is brought up to date whenever another tab
    // stores, and again under the lock of every store, which re-reads it before changing it.
    Refresh_Score_File_In_Page();
    Set_Score_File_Keeper(&Keep_Score_File_In_Page);
    Set_Score_File_Refresher(&Refresh_Score_File_In_Page);
    Watch_Stored_File(Score_Store_Name);
    const double seed = Page_Query_Number("seed", -1);
    int screen_width = 0, screen_height = 0;
    Page_Screen_Size(screen_width, screen_height);
    static Web_Media media(&assets, Screen_Width, Screen_Height);
    static Web_Game game(media, seed >= 0 ? static_cast<uint32_t>(seed) : Seed_From_Clock(),
                         screen_width, screen_height);
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
