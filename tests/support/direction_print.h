#pragma once
// Printers that let a failed expectation name a direction ("Step_Dir::Left (3)") where gtest
// would otherwise show the bytes of the value.
#include <ostream>

#include "state/arena_state.h"
#include "state/directions.h"

namespace zarvo {

namespace direction_print {

// Names[i] is the name of the value i; a value without a name is shown as its number alone.
template <typename D, int N>
void Print(const char* type, const char* const (&names)[N], D d, std::ostream* os) {
    const int32_t n = Code_Of(d);
    const char* name = n >= 0 && n < N ? names[n] : nullptr;
    if (name)
        *os << type << "::" << name << " (" << n << ")";
    else
        *os << type << "(" << n << ")";
}

}  // namespace direction_print

inline void PrintTo(Dir d, std::ostream* os) {
    static const char* const names[] = {"None",     nullptr,    "Down",      nullptr,  "Left",
                                        nullptr,    "Right",    nullptr,     "Up",     "LeftUp",
                                        "RightUp",  "LeftDown", "RightDown", "UpLeft", "UpRight",
                                        "DownLeft", "DownRight"};
    direction_print::Print("Dir", names, d, os);
}

inline void PrintTo(Step_Dir d, std::ostream* os) {
    static const char* const names[] = {"None", "Up", "Down", "Left", "Right"};
    direction_print::Print("Step_Dir", names, d, os);
}

inline void PrintTo(Shot_Dir d, std::ostream* os) {
    static const char* const names[] = {"None", "Up", "Down", "Left", "Right"};
    direction_print::Print("Shot_Dir", names, d, os);
}

inline void PrintTo(Pilot_Dir d, std::ostream* os) {
    static const char* const names[] = {"None",     nullptr,   nullptr,      nullptr,    nullptr,
                                        "Up_Right", "Up_Left", "Down_Right", "Down_Left"};
    direction_print::Print("Pilot_Dir", names, d, os);
}

inline void PrintTo(Monster_Dir d, std::ostream* os) {
    static const char* const names[] = {"Stopped", "Up", "Down", "Left", "Right"};
    direction_print::Print("Monster_Dir", names, d, os);
}

inline void PrintTo(Thunder_Direction d, std::ostream* os) {
    static const char* const names[] = {"None", "Right", "Up", "Left", "Down"};
    direction_print::Print("Thunder_Direction", names, d, os);
}

inline void PrintTo(Flame_Dir d, std::ostream* os) {
    static const char* const names[] = {"None",  "Down_Left", nullptr,   "Down_Right", nullptr,
                                        nullptr, nullptr,     "Up_Left", nullptr,      "Up_Right"};
    direction_print::Print("Flame_Dir", names, d, os);
}

inline void PrintTo(Chain_Dir d, std::ostream* os) {
    static const char* const names[] = {"None", "Up", "Down", "Left", "Right"};
    direction_print::Print("Chain_Dir", names, d, os);
}

inline void PrintTo(Star_Dir d, std::ostream* os) {
    static const char* const names[] = {"None",     "Up",      "Down",       "Left",     "Right",
                                        "Up_Right", "Up_Left", "Down_Right", "Down_Left"};
    direction_print::Print("Star_Dir", names, d, os);
}

inline void PrintTo(Shrap_Dir d, std::ostream* os) {
    static const char* const names[] = {"None",     nullptr,   nullptr,      nullptr,    nullptr,
                                        "Up_Right", "Up_Left", "Down_Right", "Down_Left"};
    direction_print::Print("Shrap_Dir", names, d, os);
}

inline void PrintTo(Floor f, std::ostream* os) {
    static const char* const names[] = {"Gone", "Tile", "Edge"};
    const int32_t n = static_cast<int32_t>(f);
    if (n >= 0 && n < 3)
        *os << "Floor::" << names[n] << " (" << n << ")";
    else
        *os << "Floor(" << n << ")";
}

}  // namespace zarvo
