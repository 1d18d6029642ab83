#pragma once
// The player's remembered settings: a short key = value file, zarvo.conf in
// $XDG_CONFIG_HOME/zarvo (default ~/.config/zarvo). Lines that cannot be read or keys that are
// not known are skipped with one warning for the whole file; they never stop the game.
#include <cstdint>
#include <string>
#include <utility>

namespace zarvo {

struct Settings {
    int32_t Scale = 1;        // the window's whole-number factor
    bool Window = false;      // a normal, movable window instead of the borderless one on top
    bool Fullscreen = false;  // the whole display, the picture centred
    int32_t Volume = 100;     // master sound level in percent, 0..100
    bool Mute = false;
    // Keys by their names ("W", "Space", "Left Ctrl"); empty: the game's own. The four
    // directions replace the letters K, J, H and L (the cursor keys and the keypad stay);
    // the fire key fires and confirms as Space does.
    std::string Key_Up, Key_Down, Key_Left, Key_Right, Key_Fire;
    // Lines of the file the game could not use, written back as they were: nothing the player
    // wrote is lost when the game saves its settings.
    std::string Kept_Lines;
    bool operator==(const Settings&) const = default;
};

inline constexpr int32_t Max_Scale = 8;

// Reads the file's text over `out` (keys not in the text keep their values). `warning` is
// empty, or one line naming the first skipped line and how many were skipped.
void Parse_Settings(const std::string& text, Settings& out, std::string& warning);
std::string Format_Settings(const Settings& s);

// The file's place from the environment's values (null when unset); empty when neither is set.
std::string Settings_Path(const char* xdg_config_home, const char* home);

// A missing file leaves `out` as it is and answers true; false with `warning` when it exists
// but cannot be read.
bool Load_Settings(const std::string& path, Settings& out, std::string& warning);
// Writes the file whole (through a temporary file), creating its folders; false with `error`.
bool Save_Settings(const std::string& path, const Settings& s, std::string& error);

// The settings file as this game last read or wrote it: a value the player sets again to what
// the file holds writes nothing.
class Settings_Keeper {
  public:
    Settings_Keeper() = default;
    // `path` empty: nothing is kept (--no-config, or no home folder).
    Settings_Keeper(std::string path, const Settings& stored)
        : path_(std::move(path)), stored_(stored) {}
    // Writes s when it differs from what the file holds; false with `error`.
    bool Keep(const Settings& s, std::string& error);
    const Settings& Stored() const { return stored_; }
    bool Active() const { return !path_.empty(); }
    int Writes() const { return writes_; }

  private:
    std::string path_;
    Settings stored_;
    int writes_ = 0;
};

}  // namespace zarvo
