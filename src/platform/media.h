#pragma once
// The media operations the game is written against. Game code draws, plays and moves the
// pointer only through this interface; Sdl_Media (the window), Headless_Media (the runner and
// the tests) and Web_Media (the page) stand behind it, each through Surface_Media.
#include <cstdint>
#include <vector>

#include "platform/draw_list.h"
#include "platform/still_layer.h"
#include "platform/surface.h"

namespace zarvo {

// The size of the picture a backend shows unless it is told another: the game's 622 x 513.
inline constexpr int Default_Picture_Width = 622;
inline constexpr int Default_Picture_Height = 513;

// An image list as the game numbers them; the platform only uses the number to find a list.
enum class Image_List : int;

// One image of one list. Game code takes these from the catalogue's typed names (Img1::Herz,
// Ex::A_Ex_1 + frame, Img2_Id{stored}), so an image is always drawn from its own list.
struct Image_Id {
    Image_List List;
    int Index;
};

// The polled direction states.
struct Input_States {
    bool Up = false, Down = false, Left = false, Right = false;
};

// How the mixer treats a recording. The cues play as they are. The frequent sounds (shots,
// small blasts, steps, clicks) pile up by the dozen in a busy moment, so they share a bus of
// their own, set under the cues, and several of one started together are spread over a few
// milliseconds so that they add as power instead of in phase. While an alert sounds (the
// lost life, the hurt, the alarms, the crosshair) that bus dips, so the alert is heard.
enum class Mix_Role : uint8_t { Cue, Frequent, Alert };

// One loaded PCM recording.
struct Sound {
    int32_t Rate = 0;
    int32_t Bits = 0;
    int32_t Channels = 0;
    std::vector<uint8_t> Data;  // little-endian PCM frames as stored
    Mix_Role Role = Mix_Role::Cue;
};

// The loaded image lists and wave list.
struct Assets {
    std::vector<std::vector<Image>> Lists;  // by list number
    std::vector<Sound> Waves;
    const Image* Find(Image_List list, int index) const;
};

// Told of every polled direction state, as the game received it.
class Poll_Listener {
  public:
    virtual ~Poll_Listener() = default;
    virtual void Polled(const Input_States& states) = 0;
};

// What a window adds to the game's picture: lines that belong to the frame (drawn with the
// game's own draws, so a line that stays the same costs nothing from frame to frame), and lines
// drawn over every frame just before it is shown (the driver's pause and sound lines).
class Frame_Overlay {
  public:
    virtual ~Frame_Overlay() = default;
    virtual void Draw_In_Frame() {}
    virtual void Draw_Over() = 0;
};

class Media {
  public:
    virtual ~Media() = default;

    virtual bool Surface_Ready() = 0;
    virtual void Poll_Input(Input_States& states) = 0;
    virtual void Clear_Back_Buffer(uint32_t colour) = 0;
    virtual void Show_Back_Buffer() = 0;
    virtual void Draw_Image(Image_Id image, int x, int y, int frame = 0) = 0;
    virtual void Draw_Image_Rotated(Image_Id image, int x, int y, int width, int height, int frame,
                                    double center_x, double center_y, int angle) = 0;
    virtual int Image_Width(Image_Id image) = 0;
    virtual int Image_Height(Image_Id image) = 0;
    virtual void Play_Wave(int index) = 0;
    // Confines the pointer to window pixels left..right-1, top..bottom-1.
    virtual void Confine_Pointer(int left, int top, int right, int bottom) = 0;
    virtual void Release_Pointer() = 0;
    // Places the pointer at a window pixel.
    virtual void Place_Pointer(int x, int y) = 0;
    // Hides the system pointer over the window (the game draws its own), or shows it again.
    virtual void Hide_System_Pointer(bool hidden) = 0;
    // Closes the window; the program ends after the current frame.
    virtual void Close() = 0;
};

// The drawing half shared by every backend: our back buffer and the loaded lists. The draws
// between a clear and the moment the picture is needed are written down, and only the blocks
// where they differ from the frame before are drawn again (draw_list.h), starting from the
// picture of the draws that stay the same (still_layer.h).
class Surface_Media : public Media {
  public:
    // The back buffer is width x height pixels: the game's whole picture.
    Surface_Media(const Assets* assets, int width, int height);

    void Clear_Back_Buffer(uint32_t colour) override;
    void Draw_Image(Image_Id image, int x, int y, int frame = 0) override;
    void Draw_Image_Rotated(Image_Id image, int x, int y, int width, int height, int frame,
                            double center_x, double center_y, int angle) override;
    int Image_Width(Image_Id image) override;
    int Image_Height(Image_Id image) override;

    // The back buffer with every draw so far made. The caller may write into it: the next
    // frame is then drawn whole.
    Surface& Back_Buffer() {
        Settle();
        Back_Buffer_Rewritten();
        return back_buffer_;
    }
    // The back buffer with every draw so far made, to read.
    const Surface& Picture() {
        Settle();
        return back_buffer_;
    }
    // Tells that the back buffer's pixels were written otherwise than by the draws.
    void Back_Buffer_Rewritten();
    const Assets* Loaded_Assets() const { return assets_; }
    // For checks: the back buffer is what the last frame's draws make when drawn whole.
    bool Agrees_With_Whole_Redraw();
    // How many draws the last frame had, and how many of them, from the first, the still layer
    // held.
    size_t Frame_Draws() const { return lists_[drawn_].Calls.size(); }
    size_t Still_Draws() const { return still_draws_; }

  protected:
    // Makes the draws written down since the clear.
    void Settle();
    // Ends the frame being drawn: the overlay's lines of the frame join its draws, which are
    // then made.
    void Finish_Frame(Frame_Overlay* overlay) {
        if (writing_ && overlay) overlay->Draw_In_Frame();
        Settle();
    }
    // The parts of the back buffer that may have changed since Forget_Changes.
    const Damage& Changes() const { return changes_; }
    void Forget_Changes() { changes_.Reset(back_buffer_.Width, back_buffer_.Height); }

    const Assets* assets_;
    Surface back_buffer_;

  private:
    // Writes a draw down, or makes it at once when no frame is being written down.
    void Take(const Image& img, int x, int y, const Turn* turn, const Pixel_Rect& bounds);

    Draw_List lists_[2];
    int drawn_ = 0;             // the list the back buffer shows
    bool drawn_known_ = false;  // the back buffer is exactly what lists_[drawn_] draws
    bool writing_ = false;      // a clear started lists_[1 - drawn_] and it is not yet made
    Damage damage_, changes_;
    Diff_Scratch scratch_;
    Still_Layer still_;
    size_t still_draws_ = 0;
    // The blocks of the back buffer where it may differ from the still picture: where the draws
    // above the layer, or draws made at once, have been; and where the still picture changed.
    Damage covered_, differs_;
    Surface whole_;  // the whole redraw of a check
};

}  // namespace zarvo
