#include <cstdio>
#include <string>

#include "assets/asset_loader.h"
#include "support/test_game.h"

namespace zarvo::test {

// Loaded on first use and kept for the whole test program; a missing or broken asset folder
// is reported once and leaves the tests without pictures.
const Assets* Test_Assets() {
    static const Assets* loaded = [] {
        static Assets assets;
        std::string message;
        if (Load_Assets(ZARVO_ASSET_DIR, assets, message)) return &assets;
        std::fprintf(stderr, "test assets not loaded: %s\n", message.c_str());
        return static_cast<Assets*>(nullptr);
    }();
    return loaded;
}

}  // namespace zarvo::test
