#include "driver/page/web_probe.h"

#include <emscripten/emscripten.h>
#include <unistd.h>

#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "driver/headless/runner.h"
#include "game/dump.h"
#include "game/frame.h"
#include "game/level.h"
#include "game/run_file.h"
#include "game/run_verify.h"
#include "screens/score_records.h"
#include "screens/screen_rects.h"

namespace zarvo {

namespace {

const Assets* Probe_Assets = nullptr;
World* Live_World = nullptr;
Web_Media* Page_Media = nullptr;

}  // namespace

void Open_Web_Probe(const Assets& assets, World& world, Web_Media& media) {
    Probe_Assets = &assets, Live_World = &world, Page_Media = &media;
}

}  // namespace zarvo

using namespace zarvo;

extern "C" {

// A run's text verified by the page's own build: the line --verify prints, or what is wrong.
EMSCRIPTEN_KEEPALIVE const char* zarvo_verify(const char* text) {
    static std::string line;
    Game_Run run;
    std::string error;
    if (Parse_Run(text, run, error) != 0) {
        line = "not a run: " + error;
        return line.c_str();
    }
    line = Verify_Line(run, Verify_Run(run, Probe_Assets));
    return line.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* zarvo_dump() {
    static std::string dump;
    dump = Live_World ? Dump_World(*Live_World) : "";
    return dump.c_str();
}

// The browser tests click a button where the game has it, not at a number of their own.
EMSCRIPTEN_KEEPALIVE const char* zarvo_button(const char* name) {
    struct Named {
        const char* Name;
        Button Rect;
    };
    static const Named Buttons[] = {
        {"Title_Band", Title_Band},
        {"Title_Background_Button", Title_Background_Button},
        {"Title_CodeWord_Button", Title_CodeWord_Button},
        {"Title_Score_Button", Title_Score_Button},
        {"Title_Option_Button", Title_Option_Button},
        {"Title_Start_Button", Title_Start_Button},
        {"Title_Quit_Button", Title_Quit_Button},
        {"Panel_Picture_Button", Panel_Picture_Button},
        {"Panel_Score_Button", Panel_Score_Button},
        {"Panel_Title_Button", Panel_Title_Button},
        {"Panel_Option_Button", Panel_Option_Button},
        {"Box_OK_Button", Box_OK_Button},
        {"CodeWord_OK_Button", CodeWord_OK_Button},
        {"Score_Delete_Button", Score_Delete_Button},
        {"Score_OK_Button", Score_OK_Button},
        {"Option_OK_Button", Option_OK_Button},
    };
    static std::string answer;
    answer = "null";
    for (const Named& b : Buttons) {
        if (std::string_view(name) != b.Name) continue;
        const Screen_Point c = Centre(b.Rect);
        answer = "{\"Left\":" + std::to_string(b.Rect.Left) +
                 ",\"Top\":" + std::to_string(b.Rect.Top) +
                 ",\"Right\":" + std::to_string(b.Rect.Right) +
                 ",\"Bottom\":" + std::to_string(b.Rect.Bottom) + ",\"X\":" + std::to_string(c.X) +
                 ",\"Y\":" + std::to_string(c.Y) + "}";
    }
    return answer.c_str();
}

// The page opens the device's own keyboard (on a phone) while the game takes typed letters,
// holding what has been typed so far.
EMSCRIPTEN_KEEPALIVE const char* zarvo_text_entry() {
    static char text[32];
    if (!Live_World) return nullptr;
    const Game_State& game = Live_World->game;
    auto copy = [](const auto& entry) {
        const int n = entry.shown();
        for (int i = 0; i < n; ++i) text[i] = entry.Letters[i];
        text[n] = '\0';
        return text;
    };
    if (game.Name_Entry_On) return copy(game.Player_Name);
    if (game.CodeWord_1_Typing) return copy(game.CodeWord_1);
    if (game.CodeWord_2_Typing) return copy(game.CodeWord_2);
    return nullptr;
}

EMSCRIPTEN_KEEPALIVE void zarvo_end_game() {
    if (Live_World && !Live_World->game.Sponsor_On) Live_World->game.Game_Over = true;
}

// The replay works in its own folder, so that its score file is not the player's, and the
// browser does not keep it.
EMSCRIPTEN_KEEPALIVE int zarvo_replay(int frames) {
    Headless_Options o;
    o.Frames = frames;
    o.Input = "input.txt", o.Dump = "dump.json", o.Sound_Log = "sounds.txt", o.Shot = "shot.bmp";
    char home[256];
    if (!getcwd(home, sizeof home) || chdir("/replay") != 0) return 1;
    const Score_File_Keeper keeper = Set_Score_File_Keeper(nullptr);
    const Score_File_Refresher refresher = Set_Score_File_Refresher(nullptr);
    const int code = Run_Headless(o, Probe_Assets, std::cerr);
    Set_Score_File_Keeper(keeper);
    Set_Score_File_Refresher(refresher);
    return chdir(home) == 0 ? code : 1;
}

// The figure cannot die, and the level is put back to its opened state every 2000 frames so
// that the frames stay busy; the page's canvas shows every frame. Difficulty 0 times the
// title screen instead.
EMSCRIPTEN_KEEPALIVE const double* zarvo_bench(int difficulty, int level, int frames) {
    static std::vector<double> times;
    times.assign(static_cast<size_t>(frames > 0 ? frames : 0), 0);
    if (!Page_Media) return times.data();
    auto world = std::make_unique<World>();
    Game g{*world, *Page_Media};
    FormCreate(g, 2024, 1024, 768);
    if (difficulty > 0) Open_Level_Immortal(g, difficulty, level);
    for (int i = 0; i < 200; ++i) DXTimer1Timer(g);
    const auto opened = std::make_unique<World>(*world);
    for (double& t : times) {
        const double start = emscripten_get_now();
        DXTimer1Timer(g);
        t = emscripten_get_now() - start;
        if (world->Frame_Count % 2000 == 0) *world = *opened;
    }
    return times.data();
}

}  // extern "C"
