#pragma once
// The wall clock, for what a run keeps of it: when it was played and at what pace.
#include <cstdint>
#include <string>

namespace zarvo {

// Milliseconds of a steady clock (for differences only).
int64_t Wall_Ms_Now();
// The date and time now in UTC, "2026-12-08T17:30:00Z".
std::string Utc_Date_Now();

}  // namespace zarvo
