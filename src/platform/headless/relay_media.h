#pragma once
// A headless media whose picture and sound go to another media: a World of its own (a run being
// watched) is drawn through the window's media, while its pointer, its confinement and its
// closing stay its own and never reach the window. The draws of a frame that nobody will see
// (the skipped frames of a fast replay) and its waves can be left out; the state comes out the
// same, as drawing writes pixels and nothing else.
#include "platform/headless/headless_media.h"

namespace zarvo {

class Relay_Media : public Headless_Media {
  public:
    // The picture of its own is never drawn into; it gives the pointer the window's bounds.
    Relay_Media(const Assets* assets, Media& out) : Headless_Media(assets), out_(out) {}

    // Draws (and shows) the frames to come, or leaves them out.
    void Set_Drawn(bool drawn) { drawn_ = drawn; }
    // Plays the waves of the frames to come on the window's media, or none.
    void Set_Sound(bool sound) { sound_ = sound; }

    void Clear_Back_Buffer(uint32_t colour) override {
        if (drawn_) out_.Clear_Back_Buffer(colour);
    }
    void Draw_Image(Image_Id image, int x, int y, int frame = 0) override {
        if (drawn_) out_.Draw_Image(image, x, y, frame);
    }
    void Draw_Image_Rotated(Image_Id image, int x, int y, int width, int height, int frame,
                            double center_x, double center_y, int angle) override {
        if (drawn_)
            out_.Draw_Image_Rotated(image, x, y, width, height, frame, center_x, center_y, angle);
    }
    // The picture is shown by whoever steps the World, once its own lines are drawn over it.
    void Show_Back_Buffer() override { ++shown_frames; }
    void Play_Wave(int index) override {
        if (drawn_ && sound_) out_.Play_Wave(index);
    }

  private:
    Media& out_;
    bool drawn_ = true, sound_ = true;
};

}  // namespace zarvo
