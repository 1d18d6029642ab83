#pragma once
// State of the weapon sub-tables of one enemy record (shots, chains, blast, lasers, stars, arms).
#include <cstdint>

namespace zarvo {

struct EnemyWeapons {
    bool operator==(const EnemyWeapons&) const = default;
};

}  // namespace zarvo
