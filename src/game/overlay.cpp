#include "game/overlay.h"

#include <cstdio>
#include <cstring>

#include "assets/bitmap_text.h"
#include "screens/standstill.h"

namespace zarvo {

namespace {

constexpr uint64_t Sound_Line_Ms = 1500;
constexpr int Arena_Middle = 210;

// Text centred over the arena, one character every 10 pixels.
void Show_Centred(Game& g, const char* text, int y) {
    const int width = 10 * static_cast<int>(std::strlen(text));
    Show_Text(g.m, text, (Screen_Width - width) / 2, y);
}

}  // namespace

Desk_Overlay::Desk_Overlay(Game& g, Surface_Media& media)
    : g_(g), media_(media), clean_(media.Picture().Width, media.Picture().Height) {}

void Desk_Overlay::Show_Sound(int volume, bool muted) {
    if (muted)
        std::snprintf(sound_text_, sizeof sound_text_, "SOUND OFF");
    else
        std::snprintf(sound_text_, sizeof sound_text_, "VOLUME %d", volume);
    sound_until_ = now_ + Sound_Line_Ms;
}

void Desk_Overlay::Show_Note(const char* text) {
    std::snprintf(sound_text_, sizeof sound_text_, "%s", text);
    sound_until_ = now_ + 2 * Sound_Line_Ms;
}

uint32_t Desk_Overlay::Ms_Until_Change() const {
    return Sound_Shown() ? static_cast<uint32_t>(sound_until_ - now_) : UINT32_MAX;
}

// The help hint is part of the title's picture: drawn with the frame, it is redrawn only where
// the title changes under it.
void Desk_Overlay::Draw_In_Frame() {
    if (showing_) return;
    if (choice_) choice_->Show_Marks(g_);
    const Game_State& s = g_.w.game;
    const bool title_shown =
        s.Sponsor_On || (!s.Game_Over && !s.Set_Score_New_On && s.Sponsor_Paused);
    if (help_offered_ && title_shown) Show_Help_Hint(g_);
}

void Desk_Overlay::Draw_Over() {
    const bool help = help_page_ > 0, still = help || paused_ || unfocused_;
    drew_ = still || Sound_Shown();
    if (!drew_) return;
    clean_.Pixels = media_.Picture().Pixels;  // same size: no allocation
    // Without the keyboard P cannot reach the game: the click comes first.
    if (help)
        Show_Help(g_, media_.Back_Buffer(), keys_, help_page_);
    else if (unfocused_)
        Show_Standstill(g_, media_.Back_Buffer(), "PAUSED", "CLICK THE GAME TO GO ON");
    else if (paused_)
        Show_Standstill(g_, media_.Back_Buffer(), "PAUSED", "P: GO ON");
    if (Sound_Shown()) Show_Centred(g_, sound_text_, help ? 420 : still ? 280 : Arena_Middle + 12);
}

void Desk_Overlay::Restore_Frame() {
    if (drew_) {
        media_.Back_Buffer().Pixels = clean_.Pixels;
        drew_ = false;
    }
}

}  // namespace zarvo
