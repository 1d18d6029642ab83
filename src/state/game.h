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

    int32_t random(int32_t n) { return w.random(n); }
};

}  // namespace zarvo
