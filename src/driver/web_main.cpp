// The game as a browser page: the pictures and sounds are painted and synthesised at start by
// the same generator the build runs (there are no files to load), the score file comes back
// from the browser's storage, and the page's animation frames take over.
//
// zarvo.html?seed=S seeds the game with S instead of the clock.
#include <emscripten/emscripten.h>

#include "assetgen/generate.h"
#include "driver/runner.h"
#include "driver/web_game.h"
#include "driver/web_probe.h"
#include "platform/web/web_page.h"
#include "platform/web/web_storage.h"
#include "screens/score_records.h"

int main() {
    using namespace zarvo;
    const double start_ms = emscripten_get_now();
    static const Assets assets = assetgen::Generate_Assets();
    const double preparing_ms = emscripten_get_now() - start_ms;
    Restore_Stored_File(Score_Store_Name, Score_File_Path());
    Set_Score_File_Keeper(&Keep_Score_File_In_Page);
    const double seed = Page_Query_Number("seed", -1);
    int screen_width = 0, screen_height = 0;
    Page_Screen_Size(screen_width, screen_height);
    static Web_Media media(&assets, Screen_Width, Screen_Height);
    static Web_Game game(media, seed >= 0 ? static_cast<uint32_t>(seed) : Seed_From_Clock(),
                         screen_width, screen_height);
    Open_Web_Probe(assets, game.world(), media);
    media.Start(game);
    game.Show_First_Frame(emscripten_get_now());
    Page_Started(preparing_ms);
    return 0;
}
