#pragma once
// The headless media without a picture: every draw is left out and no wave is written down.
// For replaying a run to its end as fast as possible, where only the state matters: drawing
// writes pixels and nothing else, so the state comes out the same (a test replays runs both
// ways and compares them frame by frame). Image sizes are still answered from the loaded lists.
#include "platform/headless/headless_media.h"

namespace zarvo {

class Blind_Media : public Headless_Media {
  public:
    explicit Blind_Media(const Assets* assets = nullptr) : Headless_Media(assets) {}

    void Clear_Back_Buffer(uint32_t) override {}
    void Draw_Image(Image_Id, int, int, int = 0) override {}
    void Draw_Image_Rotated(Image_Id, int, int, int, int, int, double, double, int) override {}
    void Show_Back_Buffer() override { ++shown_frames; }
    void Play_Wave(int) override { ++waves_started; }

    int32_t waves_started = 0;
};

}  // namespace zarvo
