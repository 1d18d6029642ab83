#pragma once
// State of ground enemies: the enemy table and its records.
#include <cstdint>

namespace zarvo {

struct EnemyState {
    bool operator==(const EnemyState&) const = default;
};

}  // namespace zarvo
