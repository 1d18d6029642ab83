#pragma once
// What the window or the page shows over the game, in the game's own lettering: the standstill
// box while the game is paused or has lost the keyboard (which comes first: without it no key
// reaches the game), the help screen, the help hint on the title, and the sound level for a moment
// after it changed. They are drawn into the back buffer just before it is shown; the frame as the
// game drew it is kept, so a still picture can be shown again with other lines.
#include <cstdint>

#include "game/run_choice.h"
#include "platform/media.h"
#include "screens/help_screen.h"
#include "state/game.h"

namespace zarvo {

class Desk_Overlay : public Frame_Overlay {
  public:
    Desk_Overlay(Game& g, Surface_Media& media);

    void Set_Time(uint64_t now_ms) { now_ = now_ms; }
    void Set_Paused(bool paused) { paused_ = paused; }
    void Set_Unfocused(bool unfocused) { unfocused_ = unfocused; }
    // The page of the help screen shown (1 or 2), or 0 for none.
    void Set_Help_Page(int page) { help_page_ = page; }
    // The title shows the help hint only where a key opens the help screen (the page has a
    // line of help of its own instead).
    void Offer_Help(bool offered) { help_offered_ = offered; }
    void Set_Key_Names(const Key_Names& names) { keys_ = names; }
    // The score screen marks the entries whose game can be watched.
    void Set_Watch_Choice(const Watch_Choice* choice) { choice_ = choice; }
    // A run is being shown over the game: the game's own lines stay away.
    void Set_Showing(bool showing) { showing_ = showing; }
    // Shows "VOLUME V" or "SOUND OFF" for a moment from now.
    void Show_Sound(int volume, bool muted);
    // Shows a short note (at most 15 letters) in the same place, a little longer.
    void Show_Note(const char* text);
    // Milliseconds until the lines change by themselves (a sound line goes).
    uint32_t Ms_Until_Change() const;
    bool Sound_Shown() const { return now_ < sound_until_; }

    void Draw_In_Frame() override;
    void Draw_Over() override;
    // Puts the frame as the game last drew it, without lines, back into the back buffer.
    void Restore_Frame();

  private:
    Game& g_;
    Surface_Media& media_;
    Surface clean_;
    bool drew_ = false;  // the back buffer carries lines; clean_ holds it without them
    const Watch_Choice* choice_ = nullptr;
    bool paused_ = false, unfocused_ = false, help_offered_ = false, showing_ = false;
    int help_page_ = 0;
    Key_Names keys_;
    char sound_text_[16] = {};
    uint64_t now_ = 0, sound_until_ = 0;
};

}  // namespace zarvo
