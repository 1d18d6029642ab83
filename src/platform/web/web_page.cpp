#include "platform/web/web_page.h"

#include <emscripten/emscripten.h>

// JavaScript, which the C++ formatter would take apart.
// clang-format off
EM_JS(double, Page_Query, (const char* name, double otherwise), {
    const value = new URLSearchParams(location.search).get(UTF8ToString(name));
    const number = value === null || value === "" ? NaN : Number(value);
    return Number.isFinite(number) ? number : otherwise;
});

EM_JS(int, Page_Daily, (), {
    const hash = /^#daily(?:=(.*))?$/.exec(location.hash);
    const value = hash ? hash[1] || "" : new URLSearchParams(location.search).get("daily");
    if (value === null) return 0;
    const d = value === "" ? 1 : Number(value);
    if (d === 1 || d === 2 || d === 3) return d;
    console.warn("Zarvo: the daily game's difficulty is 1, 2 or 3; playing 1");
    return 1;
});
EM_JS(void, Page_Daily_Line, (const char* line), { Module.zarvoPage.dailyDone(UTF8ToString(line)); });
EM_JS(int, Page_Screen_Width, (), { return screen.width | 0; });
EM_JS(int, Page_Screen_Height, (), { return screen.height | 0; });
EM_JS(void, Page_Ready, (double preparing_ms), { Module.zarvoPage.started(preparing_ms); });
EM_JS(void, Page_Ask_To_Prepare, (), { Module.zarvoPage.prepare(); });
EM_JS(void, Page_Box, (int shown), { Module.zarvoPage.gameShowsBox(shown !== 0); });
// clang-format on

namespace zarvo {

double Page_Query_Number(const char* name, double otherwise) {
    return Page_Query(name, otherwise);
}

int Page_Daily_Difficulty() {
    return Page_Daily();
}

void Page_Daily_Done(const char* line) {
    Page_Daily_Line(line);
}

void Page_Screen_Size(int& width, int& height) {
    width = Page_Screen_Width();
    height = Page_Screen_Height();
}

void Page_Prepare() {
    Page_Ask_To_Prepare();
}

void Page_Shows_Box(bool shown) {
    Page_Box(shown ? 1 : 0);
}

void Page_Started(double preparing_ms) {
    Page_Ready(preparing_ms);
}

}  // namespace zarvo
