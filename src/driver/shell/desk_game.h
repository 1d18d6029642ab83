#pragma once
// The game at a desk, as both shells play it: the 24 ms ticks, the player's input held until
// the tick and recorded with it, pause, the help screen, the sound level and the full screen,
// the run of every game kept beside its table entry, a stored run watched from the score
// screen, the demo an untouched title plays, and a whole recording replayed (--replay). The
// desktop's window and the browser page are thin shells around it: they turn their events
// into the calls below, and lend it their media (desk_host.h).
//
// Pause and the help screen stop the ticks as a window without focus does; a recording notes
// them alike, so a replay stands still for the same frames.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "driver/shell/desk_host.h"
#include "game/comforts.h"
#include "game/overlay.h"
#include "game/recorder.h"
#include "game/run_choice.h"
#include "game/run_keeper.h"
#include "game/run_show.h"
#include "game/run_tables.h"
#include "game/script_delivery.h"
#include "game/tick_input.h"
#include "platform/frame_clock.h"
#include "state/game.h"

namespace zarvo {

// A key going down, as a shell reports it.
struct Desk_Press {
    Key_Code Key = Key_Code::Other;   // the game's key
    Desk_Key Desk = Desk_Key::Other;  // its comfort, if any
    int32_t Show_Code =
        0;                // the key's number for a shown run and the score screen (digits, arrows)
    bool Repeat = false;  // the key is held
    bool Fire = false;    // the player's own fire key: fires and confirms as Space does
};

// Where the recording of a game begins: this game's version, seed and screen, and the tables
// the score file holds now.
Run_Start Run_Start_Now(uint32_t seed, Screen_Size screen);

struct Desk_Start {
    uint32_t Seed = 0;
    Screen_Size Screen;                // the shell's screen
    const Game_Run* Replay = nullptr;  // a recording to replay, or none
    std::string Demo_Path;             // the demo run shipped with the game
    // A window without the focus says so over anything; a page only over a game in progress,
    // which a click lets go on.
    bool Unfocused_Note_Anywhere = true;
    // The player's input reaches the game the moment it comes (a page's touch controls ask
    // the game at once), not at the next tick (a window: what comes after the last tick, a
    // click as the window closes, reaches neither the game nor the recording).
    bool Input_At_Once = false;
    // The runs of the table's entries are kept (a shell without a place for them keeps none).
    bool Keep_Runs = true;
    // A daily game (game/daily.h) of this day and difficulty starts with the first tick,
    // straight from the title; difficulty 0: the title as usual. The shell seeds the game and
    // begins the recording with Daily_Start.
    std::string Daily_Day;
    int32_t Daily_Difficulty = 0;
};

// Where the recording of a game begins: Run_Start_Now, at the daily game's difficulty when it
// is one (1..3; 0: none).
Run_Start Daily_Start(uint32_t seed, Screen_Size screen, int32_t difficulty);

class Desk_Game : public Poll_Listener {
  public:
    Desk_Game(Desk_Host& host, Recorder& recorder, const Desk_Start& start);
    Desk_Game(const Desk_Game&) = delete;
    Desk_Game& operator=(const Desk_Game&) = delete;

    // The names of the keys for the help screen; `offer`: the title says where help is.
    void Use_Key_Names(const Key_Names& names, bool offer);

    void Key_Down(const Desk_Press& press);
    void Pad_Button_Down(Pad_Button button);
    // The pointer moved to game pixel (x, y).
    void Pointer_Moved(int x, int y);
    // A left click at game pixel (x, y).
    void Clicked(int x, int y);
    void Set_Focused(bool focused);
    // The picture must be shown again (the window was exposed or resized).
    void Picture_Changed() { repaint_ = true; }

    // At `now_ms`: runs the ticks due, at most `most` of them, or shows the still picture
    // again when its lines changed. Answers the ticks run; it stops after a tick that asked to
    // quit.
    int Refresh(uint64_t now_ms, int most);
    // Runs a tick at once, whether or not the shell has the focus: the first frame.
    void First_Frame(uint64_t now_ms);
    // How long to wait before anything can change.
    uint32_t Ms_Until_Change(uint64_t now_ms);
    // The game asked to end, or the shell was closed.
    bool Quit_Asked() const;
    // The title of a new game, played live (the page's QUIT, the end of a replay); a game
    // recorded from the start is recorded from here on.
    void Start_Again(uint32_t seed, Screen_Size screen);

    // The last frame again, with the lines of the moment: the game itself does not run.
    void Repaint();
    Game& game() { return g_; }
    // The lines the desk draws over the picture, which the shell's media draws last.
    Frame_Overlay& Overlay() { return overlay_; }
    const World& world() const { return *world_; }
    bool Standing_Still() const { return !clock_.Active(); }
    // A run is being watched or played as the demo.
    bool Showing() const { return show_.Active(); }

    // The game since the program's start, as a run.
    Game_Run Whole_Run() const;
    // The run to share: the one being watched, else the player's own since the start.
    Game_Run Run_To_Share() const;
    // Watches a run brought from outside (a link, a file), over the player's game, which stands
    // as it was until the run ends or a key or click ends it. False with `error` when it cannot
    // be shown.
    bool Watch_Run(Game_Run run, std::string& error);
    void Finish();

    // The direction states polled by the frame now running go to the recording.
    void Polled(const Input_States& states) override {
        recorder_.Held(world_->Frame_Count, states);
    }

  private:
    class Replay_Sink;
    int32_t Next_Frame() const { return world_->Frame_Count + 1; }
    // Paused by the player, or the help screen open: the game takes no input and no ticks.
    bool Still() const { return paused_ || help_; }
    bool Takes_Input() const { return focused_ && !Still() && !replay_; }
    void Update_Clock();
    void Tick();
    void Live_Tick();
    void Keep_Run();
    void Deliver_Input();
    void Input_Came();
    void Desk(Desk_Action action);
    void Game_Key(Key_Code key);
    void Toggle_Pause();
    void Toggle_Help() { Set_Still(paused_, !help_); }
    void Turn_Help_Page();
    void Set_Still(bool paused, bool help);
    void Change_Sound(int volume, bool muted);
    bool Watch_Key(int32_t code);
    void Show_Key(const Desk_Press& press);
    void Show_Run(const std::string& path, Show_Kind kind);
    bool Start_Show(Game_Run run, Show_Kind kind, std::string& error);
    void Back_From_Show();
    void Tell_Once(const std::string& line);
    void Start_Replay();
    void Replay_Slot();
    void End_Replay();
    void Press_Daily_Enter();
    void Watch_Daily();

    Desk_Host& host_;
    Recorder& recorder_;
    std::unique_ptr<World> world_;
    Game g_;
    Desk_Overlay overlay_;
    Frame_Clock clock_{Frame_Ms};
    Tick_Input input_;    // the player's keys, moves and clicks since the last tick
    Screen_Size screen_;  // the shell's screen, which a new game is centred on
    bool unfocused_note_anywhere_;
    bool input_at_once_;
    bool touched_ = false;  // the player gave input since the last tick
    bool focused_ = true, paused_ = false, help_ = false;
    int help_page_ = 0;  // the page of the help screen shown, 0 while it is closed
    bool repaint_ = false, line_shown_ = false;

    // Watching a stored run, or a demo on an untouched title: a World of its own.
    std::string demo_path_;
    Run_Show show_;
    Watch_Choice choice_;
    Attract_Clock attract_;
    Run_Keeper keeper_;
    bool told_run_note_ = false, told_demo_ = false;
    int keeper_changes_ = 0;  // the keeper's changes the shell has been told of

    // Replaying a recording: its events, the next one, the frame slot and the script's states.
    const Script* replay_ = nullptr;
    const Game_Run* replay_run_ = nullptr;
    // A run is replayed on the score tables it started with, in a file of its own.
    Run_Table_Folder replay_table_;
    std::optional<Score_File_Swap> replay_scores_;
    size_t next_event_ = 0;
    int32_t slot_ = 0, replay_end_ = 0;
    bool script_focus_ = true, script_pause_ = false, own_sound_ = false;
    Input_States script_held_;
    int replay_volume_ = 100;  // the recording's sound level while it plays
    bool replay_muted_ = false;

    // The daily game: its day and difficulty (0: none), and whether its end was told.
    std::string daily_day_;
    int32_t daily_difficulty_ = 0;
    bool daily_enter_ = false, daily_told_ = false;
};

}  // namespace zarvo
