#pragma once
// The game in a browser page: the page's animation frames drive the 24 ms timer under the
// desktop's rule, the page's keys and pointer reach the game's handlers, and the score file is
// stored in the browser after every write, so that it survives a reload.
#include <memory>

#include "platform/frame_clock.h"
#include "platform/web/web_media.h"
#include "state/game.h"

namespace zarvo {

// The name under which the browser keeps the score file.
inline constexpr const char* Score_Store_Name = "Zarvo.Scr";

class Web_Game : public Web_Listener {
  public:
    Web_Game(Web_Media& media, uint32_t seed, int screen_width, int screen_height);

    World& world() { return *world_; }

    void Key_Down(int32_t code) override;
    void Pointer_Moved(int x, int y) override;
    void Clicked() override;
    void Active_Changed(bool active) override { clock_.Set_Active(active); }
    bool Refresh(double now_ms) override;
    double Ms_Until_Tick(double now_ms) override;

  private:
    void Keep_Score_File();

    std::unique_ptr<World> world_;
    Web_Media& media_;
    Game g_;
    Frame_Clock clock_{Frame_Ms};
    uint32_t score_writes_ = 0;
    bool ended_ = false;
};

}  // namespace zarvo
