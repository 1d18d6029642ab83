#pragma once
// The game in a browser page: the page's refreshes drive the 24 ms timer under the desktop's
// rule (two ticks at a refresh where the display refreshes less often than the ticks fall
// due), the page's keys, pointer and controller reach the game's handlers, and the desktop's
// comforts work with the same keys: pause, mute and the sound level with the same lines over
// the picture, full screen. A page that loses the focus or is hidden stands still with its
// sound suspended, and shows over a game in progress that a click lets it go on (the page's own
// note then keeps quiet). F1 or the page's ? button opens the help screen. The sound level is
// remembered in the browser's storage, and the score file is kept there after every write, or the
// write fails as a full disk's would. QUIT brings back the title of a new game.
#include <memory>
#include <string>
#include <string_view>

#include "driver/shell/desk_game.h"
#include "driver/start/settings.h"
#include "game/recorder.h"
#include "platform/web/web_media.h"

namespace zarvo {

// The demo run shipped with the game, put into the page's own files.
inline constexpr const char* Page_Demo_Run = "/demo.zrun";

// The names under which the browser keeps the score file and the settings.
inline constexpr const char* Score_Store_Name = "Zarvo.Scr";
inline constexpr const char* Settings_Store_Name = "zarvo.conf";

// Keeps the score file in the browser's storage; when the storage refuses it, puts the file
// back as it was last kept and answers false.
bool Keep_Score_File_In_Page();
// Brings the score file up to what the browser's storage holds now, which another tab of the
// game may have changed.
void Refresh_Score_File_In_Page();

// The page around the desk (driver/shell/desk_game.h): the page's events become the desk's
// calls, and the sound level is kept in the browser's storage.
class Web_Game : public Web_Listener, public Desk_Host {
  public:
    // `daily`: the day's game at that difficulty (1..3) on `seed`, the day's; 0: the title.
    Web_Game(Web_Media& media, uint32_t seed, int screen_width, int screen_height,
             const std::string& daily_day = "", int32_t daily = 0);

    World& world() { return game_.game().w; }
    // Draws the first frame at once, whether or not the page has the focus.
    void Show_First_Frame(double now_ms);

    void Key_Down(Key_Code key, Desk_Key desk, int32_t show, bool repeat) override;
    void Pad_Button_Down(Pad_Button button) override { game_.Pad_Button_Down(button); }
    void Pointer_Moved(int x, int y) override;
    void Clicked() override { game_.Clicked(pointer_x_, pointer_y_); }
    void Active_Changed(bool active) override;
    // Another tab stored the score table: an open score screen shows it from the next tick,
    // and the runs are those the storage holds now.
    void Scores_Stored_Elsewhere();
    // The run to share, as a run file's text: the one being watched, else the player's own.
    std::string Run_To_Share() const;
    // Watches a run file's text brought by a link or a file; answers what is wrong with it, or
    // an empty text when it plays.
    std::string Watch_Text(std::string_view text);
    bool Showing() const { return game_.Showing(); }
    bool Refresh(double now_ms) override;
    double Ms_Until_Tick(double now_ms) override {
        return game_.Ms_Until_Change(static_cast<uint64_t>(now_ms));
    }

    Surface_Media& Media() override { return media_; }
    bool Closed() const override { return media_.Closed(); }
    void Clamp_Pointer(int& x, int& y) const override { media_.Clamp_Pointer(x, y); }
    void Set_Sound_Level(int percent) override { media_.Set_Sound_Level(percent); }
    int Volume() const override { return settings_.Volume; }
    bool Muted() const override { return settings_.Mute; }
    void Keep_Sound(int volume, bool muted) override;
    void Toggle_Fullscreen() override { media_.Toggle_Full_Screen(); }
    // The page replays no whole recording.
    void Use_Scripted_Input(const Input_States*) override {}
    void Box_Shown(bool shown) override;
    std::string Runs_Changed() override;
    std::string Run_Kept(const std::string& run_file) override;
    void Daily_Done(const std::string& line) override;

  private:
    static Desk_Start Start_Of(uint32_t seed, int screen_width, int screen_height);

    Web_Media& media_;
    Settings settings_;
    Recorder recorder_;
    Desk_Game game_;
    int screen_width_, screen_height_;
    int pointer_x_ = 0, pointer_y_ = 0;  // where the page last put the pointer
};

}  // namespace zarvo
