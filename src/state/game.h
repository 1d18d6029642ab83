#pragma once
// The context every routine takes: the World it works on and the Media it draws through.
#include "assets/catalogue.h"
#include "platform/media.h"
#include "state/constants.h"
#include "state/world.h"

namespace zarvo {

struct Game {
    World& w;
    Media& m;

    int32_t Random(int32_t n) { return w.Random(n); }
};

}  // namespace zarvo
