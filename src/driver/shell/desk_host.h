#pragma once
// What a shell (the desktop's window, the browser page) lends the desk: the media the game draws
// through, and the few things each shell does its own way (the sound device, the full screen,
// where the sound level is kept, the system pointer while a replay moves it).
#include <string>

#include "platform/media.h"

namespace zarvo {

class Desk_Host {
  public:
    virtual ~Desk_Host() = default;

    // The shell's media: the game's picture, sound and pointer.
    virtual Surface_Media& Media() = 0;
    // The shell's window or page was closed.
    virtual bool Closed() const = 0;
    // Keeps a pointer position (game pixels) where the confinement lets it go.
    virtual void Clamp_Pointer(int& x, int& y) const = 0;
    virtual void Set_Sound_Level(int percent) = 0;
    // The sound level in force, and the player's change of it, which the shell keeps.
    virtual int Volume() const = 0;
    virtual bool Muted() const = 0;
    virtual void Keep_Sound(int volume, bool muted) = 0;
    virtual void Toggle_Fullscreen() = 0;
    // While set, the direction states come from here instead of the player's keys (a replay).
    virtual void Use_Scripted_Input(const Input_States* held) = 0;
    // A box stands over the picture (paused, the help, a page without the focus): a shell may
    // keep its own notes quiet.
    virtual void Box_Shown(bool) {}
    // The runs folder beside the score file changed (a run stored, runs pruned): a shell that
    // keeps it elsewhere as well (a page's storage) does so now. Answers a line for the player
    // when a run could not be kept, else an empty text.
    virtual std::string Runs_Changed() { return {}; }
    // A run was kept beside its new table entry, as `run_file` in the runs folder: a shell that
    // sends runs to a score board hands it to its sender now, which must not keep the game
    // waiting. Answers a line for the player when it cannot be sent later either.
    virtual std::string Run_Kept(const std::string& /*run_file*/) { return {}; }
    // The daily game ended: its one-line result, without a link (a shell adds the run's link
    // when it can make one).
    virtual void Daily_Done(const std::string& /*line*/) {}
};

}  // namespace zarvo
