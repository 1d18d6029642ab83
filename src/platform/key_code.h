#pragma once
// The keys the game's rules know, under the codes the window system gives them: Backspace,
// Enter, Space and the letters (upper case 65-90, lower case 97-122, as a code read as a
// character); every other key is Other, which still withdraws a pending Enter but types
// nothing. Every backend reports its key-downs in this vocabulary; only input scripts and
// recordings hold the numbers (Key_Number, Key_Of_Number).
#include <cstdint>

namespace zarvo {

enum class Key_Code : int32_t { Other = 0, Backspace = 8, Enter = 13, Space = 32 };

constexpr bool Is_Letter(Key_Code key) {
    const int32_t c = static_cast<int32_t>(key);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The key of a letter, either case; any other character is Other.
constexpr Key_Code Letter_Key(char c) {
    const Key_Code key = static_cast<Key_Code>(c);
    return Is_Letter(key) ? key : Key_Code::Other;
}

// The upper-case letter a letter key types.
constexpr char Letter_Of(Key_Code key) {
    const int32_t c = static_cast<int32_t>(key);
    return static_cast<char>(c >= 'a' ? c - ('a' - 'A') : c);
}

constexpr int32_t Key_Number(Key_Code key) {
    return static_cast<int32_t>(key);
}

// The key of a number as a script holds it; a number that names none of the keys is Other.
constexpr Key_Code Key_Of_Number(int32_t n) {
    const Key_Code key = static_cast<Key_Code>(n);
    if (Is_Letter(key) || key == Key_Code::Backspace || key == Key_Code::Enter ||
        key == Key_Code::Space)
        return key;
    return Key_Code::Other;
}

}  // namespace zarvo
