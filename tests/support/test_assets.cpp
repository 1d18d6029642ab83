#include "support/test_game.h"

namespace zarvo::test {

const Assets* Test_Assets() { return nullptr; }

}  // namespace zarvo::test
