#pragma once
// Showing frames on a local X server ourselves. SDL's window surface waits for the server
// after every frame (a round trip that puts the game to sleep and wakes it again), it takes a
// copy of every changed part, and it leaves the scaling to us: at scale 3 nine pixels written
// for each pixel of the picture. Here the picture itself lies in shared memory (the back
// buffer borrows it, Pixel_Store); the server copies the changed parts from there into a
// pixmap of the picture's size, and the render extension scales them into the window, each
// pixel to the nearest. The game never waits for the server.
#include <SDL.h>

#include <memory>

#include "platform/frame_diff.h"
#include "platform/scaling.h"
#include "platform/surface.h"

namespace zarvo {

class X11_Presenter {
  public:
    X11_Presenter();
    ~X11_Presenter();
    X11_Presenter(const X11_Presenter&) = delete;
    X11_Presenter& operator=(const X11_Presenter&) = delete;

    // Makes ready to show pictures of width x height at a scale in the window; false (holding
    // nothing) where it cannot: not X11, a remote display, an extension or library missing,
    // a window that is not plain 24-bit true colour.
    bool Open(SDL_Window* window, int width, int height);
    void Close();
    bool Ready() const;
    // The shared memory, lent to one surface of the picture's size at a time (null when not
    // ready). A surface that borrows it must give it back (Surface::Keep_In) before Close.
    Pixel_Store* Store();

    // Shows the parts of the frame in the window where the view puts the picture; with
    // `bars` the window around the picture is made black first. A frame that does not lie in
    // the shared memory is copied there, unless another surface has borrowed it.
    void Show(const Surface& frame, const Changed_Rects& parts, const View& view, Size area,
              bool bars);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace zarvo
