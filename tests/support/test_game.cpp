#include "support/test_game.h"

#include "game/frame.h"
#include "game/input.h"

namespace zarvo::test {

Test_Game::Test_Game(uint32_t seed, bool with_assets)
    : world(std::make_unique<World>()),
      media(with_assets ? Test_Assets() : nullptr),
      g{*world, media} {
    FormCreate(g, seed, 1024, 768);
}

int Waves_Played(const Headless_Media& m, int index) {
    int n = 0;
    for (const Played_Wave& w : m.waves) n += w.Index == index;
    return n;
}

void Test_Game::key(Key_Code code) {
    FormKeyDown(g, code);
}

void Test_Game::move(int x, int y) {
    media.Clamp_Pointer(x, y);
    DXDraw1MouseMove(g, x, y);
}

void Test_Game::click_at(int x, int y) {
    move(x, y);
    DXDraw1Click(g);
}

void Test_Game::run(int frames) {
    for (int i = 0; i < frames; ++i) {
        media.frame = world->Frame_Count + 1;
        DXTimer1Timer(g);
    }
}

void Test_Game::start_game() {
    key(Key_Code::Enter);
    run(1);
    run_until_released();
}

void Test_Game::run_until_released(int limit) {
    for (int i = 0; i < limit && s().Game_Halted; ++i) run(1);
}

}  // namespace zarvo::test
