#include "platform/web/web_page.h"

#include <emscripten/emscripten.h>

// JavaScript, which the C++ formatter would take apart.
// clang-format off
EM_JS(double, Page_Query, (const char* name, double otherwise), {
    const value = new URLSearchParams(location.search).get(UTF8ToString(name));
    const number = value === null || value === "" ? NaN : Number(value);
    return Number.isFinite(number) ? number : otherwise;
});

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
