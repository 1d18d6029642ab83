#include "driver/page/web_game.h"

#include "game/frame.h"
#include "game/input.h"
#include "platform/web/web_storage.h"
#include "screens/score_records.h"

namespace zarvo {

Web_Game::Web_Game(Web_Media& media, uint32_t seed, int screen_width, int screen_height)
    : world_(std::make_unique<World>()), media_(media), g_{*world_, media} {
    FormCreate(g_, seed, screen_width, screen_height);
    clock_.Set_Active(media.Active());
    score_writes_ = Score_File_Writes();
}

void Web_Game::Key_Down(int32_t code) {
    if (!ended_) FormKeyDown(g_, code);
}

// A move to where the game already has the pointer changes nothing (a scaled canvas
// reports several moves within one game pixel).
void Web_Game::Pointer_Moved(int x, int y) {
    if (ended_ || (x == world_->game.Mouse_X && y == world_->game.Mouse_Y)) return;
    DXDraw1MouseMove(g_, x, y);
}

void Web_Game::Clicked() {
    if (!ended_) DXDraw1Click(g_);
}

bool Web_Game::Refresh(double now_ms) {
    if (ended_) return false;
    if (clock_.Take_Tick(static_cast<uint64_t>(now_ms))) {
        DXTimer1Timer(g_);
        Keep_Score_File();
    }
    if (world_->game.Quit_Requested || media_.Closed()) {
        ended_ = true;
        DXDraw1Finalize(g_);
        media_.Close();
        return false;
    }
    return true;
}

// While the page is away the clock stands still; a look every tick is enough.
double Web_Game::Ms_Until_Tick(double now_ms) {
    if (!clock_.Active()) return Frame_Ms;
    return clock_.Ms_Until_Tick(static_cast<uint64_t>(now_ms));
}

// The score screens write the file during a frame; the browser keeps what they wrote.
void Web_Game::Keep_Score_File() {
    const uint32_t writes = Score_File_Writes();
    if (writes == score_writes_) return;
    score_writes_ = writes;
    Store_File(Score_Store_Name, Score_File_Path());
}

}  // namespace zarvo
