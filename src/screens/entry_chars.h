#pragma once
// A length-counted entry as a zero-terminated text for Show_Text.
#include "state/game_state.h"

namespace zarvo {

template <int N>
struct Entry_Chars {
    char Text[N + 1] = {};

    explicit Entry_Chars(const Entry_Text<N>& entry) {
        int length = entry.Length < 0 ? 0 : (entry.Length > N ? N : entry.Length);
        for (int i = 0; i < length; ++i) Text[i] = entry.Letters[i];
        Text[length] = '\0';
    }
};

}  // namespace zarvo
