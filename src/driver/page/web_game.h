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

#include "driver/start/settings.h"
#include "game/comforts.h"
#include "game/overlay.h"
#include "platform/frame_clock.h"
#include "platform/web/web_media.h"
#include "state/game.h"

namespace zarvo {

// The names under which the browser keeps the score file and the settings.
inline constexpr const char* Score_Store_Name = "Zarvo.Scr";
inline constexpr const char* Settings_Store_Name = "zarvo.conf";

// Keeps the score file in the browser's storage; when the storage refuses it, puts the file
// back as it was last kept and answers false.
bool Keep_Score_File_In_Page();
// Brings the score file up to what the browser's storage holds now, which another tab of the
// game may have changed.
void Refresh_Score_File_In_Page();

class Web_Game : public Web_Listener {
  public:
    Web_Game(Web_Media& media, uint32_t seed, int screen_width, int screen_height);

    World& world() { return *world_; }
    // Draws the first frame at once, whether or not the page has the focus.
    void Show_First_Frame(double now_ms);

    void Key_Down(Key_Code key, Desk_Key desk, bool repeat) override;
    void Pad_Button_Down(Pad_Button button) override;
    void Pointer_Moved(int x, int y) override;
    void Clicked() override;
    void Active_Changed(bool active) override;
    // Another tab stored the score table: an open score screen shows it from the next tick.
    void Scores_Stored_Elsewhere();
    bool Refresh(double now_ms) override;
    double Ms_Until_Tick(double now_ms) override;

  private:
    bool Standing_Still() const { return !clock_.Active(); }
    bool Takes_Input() const { return active_ && !paused_ && help_page_ == 0; }
    void Update_Clock();
    void Desk(Desk_Action action);
    void Toggle_Pause();
    void Turn_Help_Page();
    void Change_Sound(int volume, bool muted);
    void Repaint();
    void Start_Again();

    std::unique_ptr<World> world_;
    Web_Media& media_;
    Game g_;
    Desk_Overlay overlay_;
    Frame_Clock clock_{Frame_Ms};
    Settings settings_;
    int screen_width_, screen_height_;
    bool active_ = false;
    bool paused_ = false;
    int help_page_ = 0;  // the page of the help screen shown, 0 while it is closed
    bool repaint_ = false;
    bool line_shown_ = false;
};

}  // namespace zarvo
