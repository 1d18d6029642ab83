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
    // The score board that this game's kept runs are sent to ("http://..." or "https://...");
    // empty: none, nothing is sent.
    std::string Board;
    // The file's text as it was read: its comments, blank lines and the lines the game could
    // not use are written back where they stood, so nothing the player wrote is lost when the
    // game saves its settings. Not a setting: two settings are equal whatever their texts.
    std::string Lines;
    bool operator==(const Settings& o) const;
};

inline constexpr int32_t Max_Scale = 8;
// The largest settings file read: a few lines are a few hundred bytes.
inline constexpr uint64_t Settings_Limit = 64u << 10;

// The player changed the sound while playing: `now` (what this run plays with) takes both
// values, `kept` (what the file is to hold) only the one that changed, never a value the
// command line gave for this run alone.
void Take_Sound_Change(Settings& now, Settings& kept, int volume, bool muted);

// Reads the file's text over `out` (keys not in the text keep their values). `warning` is
// empty, or one line naming the first skipped line and how many were skipped.
void Parse_Settings(const std::string& text, Settings& out, std::string& warning);
// The text of s.Lines with the values of s in place of the lines that held them and the
// values it lacks added at its end. Every value is written within what the reader takes.
std::string Format_Settings(const Settings& s);

// A board's address as the setting takes it: http:// or https://, a host, no spaces.
bool Board_Url_Valid(const std::string& url);

// The file's place from the environment's values (null when unset); empty when neither is set.
std::string Settings_Path(const char* xdg_config_home, const char* home);

// A missing file leaves `out` as it is and answers true; false with `warning` when it exists
// but cannot be read, or holds more than Settings_Limit bytes (it is then never written).
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
        : path_(std::move(path)), stored_(stored), kept_(stored) {}
    // Writes s when it differs from what this game last kept; false with `error`. As the score
    // table, under the lock of the file's folder: the file is read again and only the values
    // this game changed are written over it, so another game's changes stand.
    bool Keep(const Settings& s, std::string& error);
    const Settings& Stored() const { return stored_; }
    bool Active() const { return !path_.empty(); }
    int Writes() const { return writes_; }

  private:
    std::string path_;
    Settings stored_;  // what the file held when this game last read or wrote it
    Settings kept_;    // this game's settings as it last kept them: its changes are the rest
    int writes_ = 0;
};

}  // namespace zarvo
