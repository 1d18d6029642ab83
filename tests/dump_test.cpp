// The state dump holds every field of the World. The dump tells which bytes it read each value
// from; every byte it did not read must be padding: flipping it leaves the World equal to
// itself. A field added to the World and forgotten in the dump fails here.
#include "game/dump.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "game/level.h"
#include "support/test_game.h"

namespace zarvo::test {
namespace {

// The name of the dump value each byte of one World was read into; nullptr where none was.
struct World_Coverage : Json_Sources {
    explicit World_Coverage(const World& w)
        : base(reinterpret_cast<const unsigned char*>(&w)), name(sizeof(World), nullptr) {}
    void value_from(const char* value, const void* at, std::size_t size) override {
        const auto* p = static_cast<const unsigned char*>(at);
        if (p < base || p + size > base + sizeof(World)) return;  // worked out, not read
        for (std::size_t i = 0; i < size; ++i) name[p - base + i] = value ? value : "[]";
    }
    const unsigned char* base;
    std::vector<const char*> name;
};

// Entry 0 of every table the game counts from 1: never used, and not in the dump.
template <typename F>
void For_Unused_Entries(const World& w, F&& unused) {
    unused(w.level.Enimy_Type[0]);
    unused(w.level.Pilot_Type[0]);
    const Shot_State& t = w.shots;
    unused(t.Volley_Used[0]);
    unused(t.Shot[0]);
    for (int d = 1; d <= 4; ++d) unused(t.Shot[d][0]);
    for (const Energy_Unit* bar : {w.effects.Reserve_Bar, w.effects.Energy_Bar}) {
        unused(bar[0]);
        for (int i = 1; i <= Energy_Units; ++i) unused(bar[i].X[0]), unused(bar[i].Y[0]);
    }
    unused(w.effects.Bump_Star_X[0]), unused(w.effects.Bump_Star_Y[0]);
    unused(w.enemies.Enimy_Table[0]);
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        const Enimy_Rec& r = w.enemies.Enimy_Table[slot];
        unused(r.Trail_On[0]);
        for (int k = 0; k < 4; ++k) unused(r.Trail_X[k][0]), unused(r.Trail_Y[k][0]);
        unused(r.Shots[0]);
        const Enemy_Weapons& wp = r.Weapons;
        unused(wp.Chains[0]);
        for (int c = 1; c <= Chain::Count; ++c) unused(wp.Chains[c].Seg[0]);
        unused(wp.Stars[0]);
        for (int i = 1; i <= Orbiter_Star_Count; ++i)
            unused(wp.Stars[i].Spark_X[0]), unused(wp.Stars[i].Spark_Y[0]);
        unused(wp.Arms[0]);
        for (int a = 1; a <= Arm::Count; ++a) {
            unused(wp.Arms[a].Seg_X[0]), unused(wp.Arms[a].Seg_Y[0]);
            unused(wp.Arms[a].Seg_Col[0]), unused(wp.Arms[a].Seg_Row[0]);
        }
        unused(wp.Shrapnel[0]);
        for (int k = 1; k <= Shrap_Groups; ++k) unused(wp.Shrapnel[k].Piece[0]);
    }
    unused(w.pilots.Pilot_Table[0]);
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        const Pilot_Rec& p = w.pilots.Pilot_Table[slot];
        unused(p.Debris_X[0]), unused(p.Debris_Y[0]), unused(p.Flames[0]);
    }
    unused(w.pilots.Monster_Table[0]);
    unused(w.pilots.Hatch_Timer[0]);
    const Hazard_State& h = w.hazards;
    unused(h.Blaster[0]), unused(h.Pyr[0]), unused(h.Fuse[0]);
    for (int place = 1; place <= Hazard_Places; ++place) {
        const Blaster_Rec& b = h.Blaster[place];
        unused(b.Star_X[0]), unused(b.Star_Y[0]), unused(b.Flame[0]);
        for (int f = 1; f <= Flames_Per_Place; ++f)
            unused(b.Flame[f].Shards.Shard_X[0]), unused(b.Flame[f].Shards.Shard_Y[0]);
        unused(h.Pyr[place].Orbit_Phase[0]);
    }
    for (int f = 1; f <= Fuse_Count; ++f)
        unused(h.Fuse[f].Shards.Shard_X[0]), unused(h.Fuse[f].Shards.Shard_Y[0]);
    unused(w.panel.Message_Explose_Star_X[0]), unused(w.panel.Message_Explose_Star_Y[0]);
    unused(w.screens.Score_Name[0]), unused(w.screens.Score_Points[0]);
}

// The same field of another World.
template <typename T>
const T& Same_Field(const World& other, const World& w, const T& field) {
    const auto offset =
        reinterpret_cast<const unsigned char*>(&field) - reinterpret_cast<const unsigned char*>(&w);
    return *reinterpret_cast<const T*>(reinterpret_cast<const unsigned char*>(&other) + offset);
}

template <typename T>
bool Equal(const T& a, const T& b) {
    if constexpr (std::is_array_v<T>) {
        for (std::size_t i = 0; i < std::extent_v<T>; ++i)
            if (!Equal(a[i], b[i])) return false;
        return true;
    } else {
        return a == b;
    }
}

// A busy game: difficulty 3 level 8 with shots flying, so that the tables are in use.
void Play_Busy_Level(Test_Game& t) {
    Game_State& s = t.s();
    s.Sponsor_On = false;
    s.Fire_Code = s.Immortal_Code = true;
    s.Star_Fire_Count = 24;
    s.Difficulty = 3, s.Level = 7;
    Set_Level(t.g);
    for (int frame = 0; frame < 600; ++frame) {
        if (frame % 25 == 0) t.key(Key_Code::Space);
        t.run(1);
    }
}

TEST(Dump, HoldsEveryFieldOfTheWorld) {
    Test_Game t(2024, false);
    Play_Busy_Level(t);
    World& w = t.w();
    // Texts at full length, so that every letter is shown.
    w.game.Player_Name.Length = Score_Name_Limit;
    w.game.CodeWord_1.Length = w.game.CodeWord_2.Length = 20;
    for (int i = 1; i <= Score_Records; ++i) w.screens.Score_Name[i].Length = Score_Name_Limit;

    World_Coverage read(w);
    const auto fresh = std::make_unique<World>();
    For_Unused_Entries(w, [&](const auto& entry) {
        EXPECT_TRUE(Equal(entry, Same_Field(*fresh, w, entry)))
            << "an entry 0 was used at byte "
            << (reinterpret_cast<const unsigned char*>(&entry) - read.base);
        read.value_from("(entry 0)", &entry, sizeof entry);
    });
    Dump_World(w, &read);

    const auto pristine = std::make_unique<World>(w);
    auto* bytes = reinterpret_cast<unsigned char*>(&w);
    auto in_a_field = [&](std::size_t i) {
        bytes[i] ^= 1;
        const bool changed = !(w == *pristine);
        bytes[i] ^= 1;
        return changed;
    };
    std::string missing;
    for (std::size_t i = 0; i < sizeof(World); ++i) {
        if (read.name[i] || !in_a_field(i)) continue;
        std::size_t end = i;
        while (end + 1 < sizeof(World) && !read.name[end + 1]) ++end;
        std::size_t before = i;
        while (before > 0 && !read.name[before]) --before;
        missing += "bytes " + std::to_string(i) + ".." + std::to_string(end) + " after " +
                   (read.name[before] ? read.name[before] : "the start") + ", before " +
                   (end + 1 < sizeof(World) ? read.name[end + 1] : "the end") + "\n";
        i = end;
    }
    EXPECT_EQ(missing, "") << "fields of the World the dump leaves out";
}

// A name read from a damaged score file holds bytes of 0x80 and above: the dump stays plain
// printable ASCII, the bytes written as escapes.
TEST(Dump, EveryByteBeyondPrintableAsciiIsEscaped) {
    Test_Game t(7, false);
    auto& name = t.w().screens.Score_Name[1];
    const char letters[] = {'\x80', '\xff', '\x7f', '"', 'A'};
    name.Length = 5;
    for (int i = 0; i < 5; ++i) name.Letters[i] = letters[i];
    const std::string dump = Dump_World(t.w());
    EXPECT_NE(dump.find("\"\\u0080\\u00ff\\u007f\\\"A\""), std::string::npos);
    int unprintable = -1;  // the first byte that is neither printable ASCII nor a newline
    for (const char c : dump)
        if (c != '\n' && (c < 0x20 || c > 0x7E)) {
            unprintable = static_cast<unsigned char>(c);
            break;
        }
    EXPECT_EQ(unprintable, -1);
}

}  // namespace
}  // namespace zarvo::test
