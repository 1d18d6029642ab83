#pragma once
// The media layer without a window: draws into the back buffer, records every played wave
// with its frame number, takes its direction states from the script and keeps the pointer
// inside the confinement rectangle as a window system would.
#include <cstdint>
#include <vector>

#include "platform/media.h"
#include "platform/pointer_rect.h"

namespace zarvo {

struct Played_Wave {
    int32_t Frame;
    int32_t Index;
};

class Headless_Media : public Surface_Media {
  public:
    explicit Headless_Media(const Assets* assets = nullptr, int width = Default_Picture_Width,
                            int height = Default_Picture_Height)
        : Surface_Media(assets, width, height) {}

    bool Surface_Ready() override { return true; }
    void Poll_Input(Input_States& states) override { states = held; }
    void Show_Back_Buffer() override {
        Settle();
        ++shown_frames;
    }
    void Play_Wave(int index) override { waves.push_back({frame, index}); }
    void Confine_Pointer(int left, int top, int right, int bottom) override;
    void Release_Pointer() override { clip.Confined = false; }
    void Place_Pointer(int x, int y) override;
    void Hide_System_Pointer(bool hidden) override { pointer_hidden = hidden; }
    void Close() override { closed = true; }

    // Clamps a pointer position into the window and the confinement rectangle.
    void Clamp_Pointer(int& x, int& y) const {
        clip.Clamp(x, y, back_buffer_.Width, back_buffer_.Height);
    }

    Input_States held;  // the direction keys the script holds
    int32_t frame = 0;  // the frame being run, for the wave log
    int32_t shown_frames = 0;
    std::vector<Played_Wave> waves;
    Pointer_Rect clip;
    int32_t pointer_x = 0, pointer_y = 0;
    bool pointer_hidden = false;
    int32_t sound_volume = 100;  // the level a sound device would play at, in percent
    bool sound_muted = false;
    bool closed = false;
};

}  // namespace zarvo
