#pragma once
// A game for tests: a World with a fixed seed behind a Headless_Media, and helpers to hold a
// direction, press a key, click and run frames.
#include <memory>
#include <utility>

#include "platform/headless/headless_media.h"
#include "platform/key_code.h"
#include "screens/screen_rects.h"
#include "state/game.h"
#include "support/direction_print.h"

namespace zarvo::test {

// A place in window pixels or arena cells, compared as one.
using XY = std::pair<int, int>;

// The generated image and wave lists, loaded once per test program (nullptr if missing).
const Assets* Test_Assets();

// A click made at (x, y) and not yet consumed, with the pointer still there: set straight into
// the state, past the confinement and the panel.
inline void Pending_Click(Game_State& s, int x, int y) {
    s.Mouse_X = s.Click_X = x;
    s.Mouse_Y = s.Click_Y = y;
    s.Mouse_Clicked = true;
}

// How often the wave has been played so far.
int Waves_Played(const Headless_Media& m, int index);

struct Test_Game {
    explicit Test_Game(uint32_t seed = 12345, bool with_assets = true);

    std::unique_ptr<World> world;
    Headless_Media media;
    Game g;

    World& w() { return *world; }
    Game_State& s() { return world->game; }
    std::pair<int, int> mouse() { return {s().Mouse_X, s().Mouse_Y}; }

    void hold(bool up, bool down, bool left, bool right) { media.held = {up, down, left, right}; }
    void release() { media.held = {}; }
    void key(Key_Code code);
    void move(int x, int y);
    void click_at(int x, int y);
    void click_at(Screen_Point p) { click_at(p.X, p.Y); }
    void run(int frames = 1);
    // Leaves the title screen and runs the level start until the figure can move.
    void start_game();
    // Runs frames until the player's controls are released (at most limit frames).
    void run_until_released(int limit = 400);
};

}  // namespace zarvo::test
