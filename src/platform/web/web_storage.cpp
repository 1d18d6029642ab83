#include "platform/web/web_storage.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <vector>

#include "platform/binary_file.h"

// JavaScript, which the C++ formatter would take apart.
// clang-format off
// Local storage holds text: each byte is kept as the character of the same number.
EM_JS(int, Page_Stored_Length, (const char* name), {
    try {
        const text = localStorage.getItem(UTF8ToString(name));
        return text === null ? -1 : text.length;
    } catch (error) {
        return -1;
    }
});

EM_JS(void, Page_Stored_Bytes, (const char* name, uint8_t* out, int length), {
    const text = localStorage.getItem(UTF8ToString(name)) || "";
    for (let i = 0; i < length; ++i) HEAPU8[out + i] = text.charCodeAt(i) & 255;
});

EM_JS(int, Page_Store_Bytes, (const char* name, const uint8_t* bytes, int length), {
    let text = "";
    for (let i = 0; i < length; ++i) text += String.fromCharCode(HEAPU8[bytes + i]);
    try {
        localStorage.setItem(UTF8ToString(name), text);
        return 1;
    } catch (error) {
        console.warn("Zarvo cannot keep " + UTF8ToString(name) + ": " + error);
        return 0;
    }
});
// The storage event comes only to the other pages of the site, and a cleared storage names no key.
EM_JS(void, Page_Watch_Stored, (const char* name), {
    const watched = UTF8ToString(name);
    addEventListener("storage", (event) => {
        if (event.key !== watched && event.key !== null) return;
        if (Module._zarvo_stored_elsewhere) Module._zarvo_stored_elsewhere();
    });
});
// clang-format on

namespace zarvo {

bool Restore_Stored_File(const char* name, const char* path) {
    const int length = Page_Stored_Length(name);
    if (length < 0) return false;
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    Page_Stored_Bytes(name, bytes.data(), length);
    return Write_Whole_File(path, bytes);
}

bool Store_File(const char* name, const char* path) {
    std::vector<uint8_t> bytes;
    if (!Read_Whole_File(path, bytes)) return false;
    return Page_Store_Bytes(name, bytes.data(), static_cast<int>(bytes.size())) != 0;
}

void Watch_Stored_File(const char* name) {
    Page_Watch_Stored(name);
}

bool Stored_Text(const char* name, std::string& text) {
    const int length = Page_Stored_Length(name);
    if (length < 0) return false;
    text.assign(static_cast<size_t>(length), '\0');
    Page_Stored_Bytes(name, reinterpret_cast<uint8_t*>(text.data()), length);
    return true;
}

bool Store_Text(const char* name, const std::string& text) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    return Page_Store_Bytes(name, bytes, static_cast<int>(text.size())) != 0;
}

}  // namespace zarvo
