// Closing a cut: Fliese_Mathe on the full arena and on an arena already cut many times. Each
// iteration starts again from the same prepared World; only the cut itself is timed.
#include <benchmark/benchmark.h>

#include <cctype>
#include <chrono>
#include <memory>

#include "arena/arena.h"
#include "platform/headless/headless_media.h"
#include "player/ego.h"

namespace {

using namespace zarvo;

void Place(World& w, int col, int row) {
    Player_State& p = w.player;
    p.Ego_Col = p.Ego_Save_Col = col;
    p.Ego_Row = p.Ego_Save_Row = row;
    p.Ego_X = p.Ego_Save_X = 16 * col - 3;
    p.Ego_Y = p.Ego_Save_Y = 16 * row - 13;
}

void Step(Game& g, char move) {
    Game_State& s = g.w.game;
    s.Input_Up = move == 'U', s.Input_Down = move == 'D';
    s.Input_Left = move == 'L', s.Input_Right = move == 'R';
    Call_Ego_Input(g);
    if (g.w.player.Ego_Step == 0) Call_Ego_Input(g);  // that frame closed a cut
    Call_Ego_Input(g);
}

// Walks "12D3R"-style moves; with close set, one more frame closes the cut.
void Walk(Game& g, const char* moves, bool close) {
    int repeat = 0;
    for (const char* c = moves; *c; ++c) {
        if (std::isdigit(static_cast<unsigned char>(*c))) {
            repeat = repeat * 10 + (*c - '0');
            continue;
        }
        for (int n = repeat > 0 ? repeat : 1; n > 0; --n) Step(g, *c);
        repeat = 0;
    }
    if (!close) return;
    g.w.game.Input_Up = g.w.game.Input_Down = g.w.game.Input_Left = g.w.game.Input_Right = false;
    Call_Ego_Input(g);
}

// Walks single moves until the cut's trail reaches the edge again, without closing it.
void Walk_To_Edge(Game& g, const char* moves) {
    for (const char* c = moves; *c; ++c) {
        Step(g, *c);
        const Player_State& p = g.w.player;
        if (p.Ego_Cutting && g.w.arena.Occupy_Grid(p.Ego_Col, p.Ego_Row) == Occupy_Edge) return;
    }
}

// The trail stands complete; the end of the cut is set as the closing frame sets it.
void Ready_To_Close(World& w) {
    w.arena.Way_End_Col = w.player.Ego_Col;
    w.arena.Way_End_Row = w.player.Ego_Row;
    w.arena.Way_End_Dir = w.player.Ego_Step_Dir;
}

std::unique_ptr<World> Fresh(Headless_Media& media) {
    auto w = std::make_unique<World>();
    Game g{*w, media};
    Ego_Start_New_Level(g);
    w->game.Game_Halted = false;
    w->player.Ego_Implose_On = false;
    return w;
}

// A straight cut down column 10 of the full arena.
std::unique_ptr<World> Full_Arena_Cut(Headless_Media& media) {
    auto w = Fresh(media);
    Game g{*w, media};
    Place(*w, 10, 1);
    Walk(g, "23D", false);
    Ready_To_Close(*w);
    return w;
}

// Nine notches cut from every side, then a staircase trail across what is left.
std::unique_ptr<World> Heavily_Cut(Headless_Media& media) {
    auto w = Fresh(media);
    Game g{*w, media};
    Place(*w, 3, 1);
    Walk(g, "23D", true);
    Place(*w, 30, 1);
    Walk(g, "4D6R", true);
    Place(*w, 20, 24);
    Walk(g, "5U8R5D", true);
    Place(*w, 3, 12);
    Walk(g, "6R3U6L", true);
    Place(*w, 12, 1);
    Walk(g, "3D3R3U", true);
    Place(*w, 36, 14);
    Walk(g, "4L4D4R", true);
    Place(*w, 20, 1);
    Walk(g, "3D4R3U", true);
    Place(*w, 36, 9);
    Walk(g, "5L2D5R", true);
    Place(*w, 3, 16);
    Walk(g, "8R3D8L", true);
    Place(*w, 12, 24);
    Walk_To_Edge(g, "URURURURURURURURURURURURURURURURURURURURURURURURURURURURU");
    Ready_To_Close(*w);
    return w;
}

void Run(benchmark::State& state, const World& prepared, Headless_Media& media) {
    auto w = std::make_unique<World>(prepared);
    Game g{*w, media};
    for (auto _ : state) {
        *w = prepared;
        benchmark::ClobberMemory();
        const auto start = std::chrono::steady_clock::now();
        Fliese_Mathe(g);
        benchmark::DoNotOptimize(w->game.Fliese_Claimed);
        benchmark::ClobberMemory();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.counters["claimed"] = w->game.Fliese_Claimed;
    state.counters["loop"] = std::max(w->arena.Trace_Length_1, w->arena.Trace_Length_2) - 1;
}

void BM_Fliese_Mathe_Full_Arena(benchmark::State& state) {
    Headless_Media media;
    Run(state, *Full_Arena_Cut(media), media);
}
BENCHMARK(BM_Fliese_Mathe_Full_Arena)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_Fliese_Mathe_Heavily_Cut(benchmark::State& state) {
    Headless_Media media;
    auto prepared = Heavily_Cut(media);
    state.counters["claimed_before"] = prepared->game.Fliese_Claimed;
    Run(state, *prepared, media);
}
BENCHMARK(BM_Fliese_Mathe_Heavily_Cut)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
