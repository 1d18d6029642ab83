#include "driver/page/web_game.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "driver/headless/runner.h"
#include "driver/page/web_board.h"
#include "driver/page/web_runs.h"
#include "game/run_file.h"
#include "platform/wall_clock.h"
#include "platform/web/web_page.h"
#include "platform/web/web_storage.h"
#include "screens/score_file.h"
#include "screens/score_records.h"

namespace zarvo {

namespace {

Desk_Start Daily(Desk_Start s, const std::string& day, int32_t difficulty) {
    s.Daily_Day = day, s.Daily_Difficulty = difficulty;
    return s;
}

// A display slower than the ticks gets up to this many ticks at a refresh.
constexpr int Most_Ticks_A_Refresh = 2;

// The settings the browser keeps (only the sound level is read from them).
Settings Stored_Settings() {
    Settings s;
    std::string text, warning;
    if (Stored_Text(Settings_Store_Name, text)) Parse_Settings(text, s, warning);
    if (!warning.empty()) std::fprintf(stderr, "zarvo: stored settings: %s\n", warning.c_str());
    return s;
}

}  // namespace

bool Keep_Score_File_In_Page() {
    if (Store_File(Score_Store_Name, Score_File_Path())) return true;
    if (!Restore_Stored_File(Score_Store_Name, Score_File_Path())) std::remove(Score_File_Path());
    return false;
}

void Refresh_Score_File_In_Page() {
    Restore_Stored_File(Score_Store_Name, Score_File_Path());
}

Web_Game::Web_Game(Web_Media& media, uint32_t seed, int screen_width, int screen_height,
                   const std::string& daily_day, int32_t daily)
    : media_(media),
      settings_(Stored_Settings()),
      game_(*this, recorder_, Daily(Start_Of(seed, screen_width, screen_height), daily_day, daily)),
      screen_width_(screen_width),
      screen_height_(screen_height) {
    media_.Set_Sound_Level(Sound_Level(settings_.Volume, settings_.Mute));
    Key_Names keys;
    keys.Extra = "TOUCH: THE PAD WALKS   FIRE   OK CONFIRMS";
    game_.Use_Key_Names(keys, false);
    media_.Set_Overlay(&game_.Overlay());
    // Every game is recorded from the start, with the tables it starts with.
    recorder_.Start(Daily_Start(seed, {screen_width, screen_height}, daily), Wall_Ms_Now());
    media_.Listen_To_Polls(&game_);
}

Desk_Start Web_Game::Start_Of(uint32_t seed, int screen_width, int screen_height) {
    Desk_Start s;
    s.Seed = seed;
    s.Screen = {screen_width, screen_height};
    s.Unfocused_Note_Anywhere = false;
    s.Input_At_Once = true;
    s.Demo_Path = Page_Demo_Run;
    return s;
}

void Web_Game::Show_First_Frame(double now_ms) {
    Active_Changed(media_.Active());
    game_.First_Frame(static_cast<uint64_t>(now_ms));
}

void Web_Game::Key_Down(Key_Code key, Desk_Key desk, int32_t show, bool repeat) {
    Desk_Press press;
    press.Key = key;
    press.Desk = desk;
    press.Show_Code = show;
    press.Repeat = repeat;
    game_.Key_Down(press);
}

void Web_Game::Pointer_Moved(int x, int y) {
    pointer_x_ = x, pointer_y_ = y;
    game_.Pointer_Moved(x, y);
}

void Web_Game::Active_Changed(bool active) {
    media_.Suspend_Sound(!active);
    game_.Set_Focused(active);
}

void Web_Game::Scores_Stored_Elsewhere() {
    Refresh_Score_File_In_Page();
    Restore_Runs_From_Page();
    if (game_.world().screens.Score_File_Open) Open_Score(game_.game());
}

std::string Web_Game::Run_To_Share() const {
    return Format_Run(game_.Run_To_Share());
}

std::string Web_Game::Watch_Text(std::string_view text) {
    Game_Run run;
    std::string error;
    if (Parse_Run(text, run, error) != 0) return "This is not a run Zarvo can play: " + error;
    if (!game_.Watch_Run(std::move(run), error)) return "The run cannot be shown: " + error;
    return {};
}

std::string Web_Game::Runs_Changed() {
    return Keep_Runs_In_Page();
}

std::string Web_Game::Run_Kept(const std::string& run_file) {
    return Send_Run_From_Page(run_file);
}

// A page is not closed by its game: QUIT brings back the title of a new one.
bool Web_Game::Refresh(double now_ms) {
    game_.Refresh(static_cast<uint64_t>(now_ms), Most_Ticks_A_Refresh);
    if (game_.Quit_Asked()) {
        game_.Start_Again(Seed_From_Clock(), {screen_width_, screen_height_});
        media_.Reopen();
    }
    return true;
}

void Web_Game::Keep_Sound(int volume, bool muted) {
    settings_.Volume = volume, settings_.Mute = muted;
    if (!Store_Text(Settings_Store_Name, Format_Settings(settings_)))
        std::fprintf(stderr, "zarvo: the browser does not keep the sound level\n");
}

void Web_Game::Daily_Done(const std::string& line) {
    Page_Daily_Done(line.c_str());
}

void Web_Game::Box_Shown(bool shown) {
    Page_Shows_Box(shown);
}

}  // namespace zarvo
