#include "driver/headless/runner.h"

#include <chrono>
#include <ostream>

#include "driver/headless/monkey.h"
#include "game/dump.h"
#include "game/frame.h"
#include "game/input.h"
#include "game/recorder.h"
#include "game/run_keeper.h"
#include "game/run_tables.h"
#include "platform/binary_file.h"
#include "platform/bmp_writer.h"
#include "platform/wall_clock.h"
#include "platform/wave_file.h"
#include "screens/score_records.h"

namespace zarvo {

// The headless backend's default picture is the game's screen.
static_assert(Default_Picture_Width == Screen_Width && Default_Picture_Height == Screen_Height);

namespace {

bool Write_Output(const char* what, const std::string& path, const std::string& text,
                  std::ostream& err) {
    std::string why;
    if (path.empty() || Write_Whole_File(path, text, &why)) return true;
    err << "zarvo: cannot write " << what << " " << path << ": " << why << "\n";
    return false;
}

bool Write_Outputs(const Headless_Options& o, Headless_Runner& run, std::ostream& err) {
    bool ok = Write_Output("dump", o.Dump, o.Dump.empty() ? "" : Dump_World(run.world()), err);
    ok = Write_Output("sound log", o.Sound_Log, o.Sound_Log.empty() ? "" : run.Sound_Log(), err) &&
         ok;
    if (run.Heard() && !Write_Wav(o.Audio_File, run.Heard()->Recording())) {
        err << "zarvo: cannot write the audio " << o.Audio_File << "\n";
        ok = false;
    }
    if (!o.Shot.empty() && !Write_Bmp(run.media().Picture(), o.Shot)) {
        err << "zarvo: cannot write screenshot " << o.Shot << "\n";
        ok = false;
    }
    return ok;
}

}  // namespace

Headless_Runner::Headless_Runner(const Assets* assets, uint32_t seed, Screen_Size screen)
    : world_(std::make_unique<World>()), media_(assets), game_{*world_, media_} {
    FormCreate(game_, seed, screen.Width, screen.Height);
}

void Headless_Runner::Deliver(const Script_Event& e) {
    media_.frame = frame_;
    Deliver_Script_Event(game_, media_, still_, e);
}

void Headless_Runner::Tick() {
    media_.frame = frame_;
    if (still_.Ticks()) DXTimer1Timer(game_);
    if (recording_) {
        recording_->Frame_Done(*world_, frame_, Wall_Ms_Now());
        if (keeper_) {
            const std::string note = keeper_->After_Frame(*world_, *recording_, Utc_Date_Now);
            if (!note.empty()) notes_.push_back(note);
        }
    }
    // The sound goes on while the game stands still, as a device would play it.
    if (audio_) audio_->Frame(media_.waves, media_.sound_muted ? 0 : media_.sound_volume);
}

bool Headless_Runner::Ended() const {
    return world_->game.Quit_Requested || media_.closed;
}

void Headless_Runner::Run(const Script& script, int32_t frames) {
    size_t next = 0;
    // Counted so that the last frame of the largest count still ends the loop; frame_ is
    // then the last frame run.
    for (int32_t done = 0; done < frames && !Ended(); ++done) {
        frame_ = done + 1;
        for (; next < script.Events.size() && script.Events[next].Frame <= frame_; ++next) {
            Deliver(script.Events[next]);
            if (recording_) recording_->Write(script.Events[next]);
        }
        Tick();
    }
}

std::string Headless_Runner::Sound_Log() const {
    std::string log;
    for (const Played_Wave& w : media_.waves) {
        const bool known = w.Index >= 0 && w.Index < Wave::Count;
        log += std::to_string(w.Frame) + ' ' + std::to_string(w.Index) + ' ' +
               (known ? Wave_List[static_cast<size_t>(w.Index)].Name : "?") + '\n';
    }
    return log;
}

uint32_t Seed_From_Clock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

uint32_t Choose_Seed(const std::optional<uint32_t>& option, const Script& script) {
    if (option) return *option;
    if (script.Seed) return *script.Seed;
    return Seed_From_Clock();
}

namespace {

// Reads the input: a run or an input script. A run replayed on a table of the runner's own
// brings its own tables; on the player's table it meets that table, which it may not have met.
int Read_Input(const Headless_Options& o, Game_Run& input, std::ostream& err) {
    if (o.Input.empty()) return 0;
    std::string error;
    if (const int failed = Read_Recording(o.Input, input, error)) {
        err << "zarvo: " << error << "\n";
        return failed;
    }
    if (!input.Input.Warning.empty()) err << "zarvo: " << input.Input.Warning << "\n";
    if (!input.Is_Run) return 0;
    if (o.Keep_Runs) {
        if (Load_Run_Tables() != input.Header.Tables)
            err << "zarvo: the run started with other score tables than " << Score_File_Path()
                << " holds; it may not replay as it was played\n";
        return 0;
    }
    if (Put_Run_Tables(Score_File_Path(), input.Header.Tables)) return 0;
    err << "zarvo: cannot write the run's score tables into " << Score_File_Path() << "\n";
    return 1;
}

Run_Start Start_Of(const Headless_Options& o, uint32_t seed, Screen_Size screen) {
    Run_Start start;
    start.Game_Version = o.Game_Version.empty() ? "unknown" : o.Game_Version;
    start.Seed = seed;
    start.Screen = screen;
    start.Tables = Load_Run_Tables();
    return start;
}

}  // namespace

int Run_Headless(const Headless_Options& o, const Assets* assets, std::ostream& err,
                 std::ostream* out) {
    Game_Run input;
    if (const int failed = Read_Input(o, input, err)) return failed;
    const Script& script = input.Input;
    const uint32_t seed = o.Monkey && !o.Seed ? *o.Monkey : Choose_Seed(o.Seed, script);
    Headless_Runner run(assets, seed, script.Screen);
    if (!o.Audio_File.empty()) {
        if (!assets) {
            err << "zarvo: --audio-out needs the game's sounds\n";
            return 1;
        }
        run.Listen(assets->Waves, o.Frames);
    }
    Recorder recording;
    recording.Start(Start_Of(o, seed, script.Screen), Wall_Ms_Now());
    if (!o.Record.empty() && !recording.Open(o.Record, seed, script.Screen)) {
        err << "zarvo: cannot write the recording " << o.Record << "\n";
        return 1;
    }
    Run_Keeper keeper(o.Keep_Runs);
    run.Record_Into(&recording, &keeper);
    int code = 0;
    if (o.Monkey)
        code = Run_Monkey(run, *o.Monkey, o.Frames, &recording, err);
    else
        run.Run(script, o.Frames);
    for (const std::string& note : run.Notes()) err << "zarvo: " << note << "\n";
    bool written = Write_Outputs(o, run, err);
    if (run.Heard() && out) *out << Master_Stage_Report(*run.Heard());
    // What a campaign counts: the frames and ticks actually played, not the ones asked for.
    if (o.Monkey && out)
        *out << "monkey " << *o.Monkey << ": played " << run.Frame() << " frames, "
             << run.world().Frame_Count << " ticks\n";
    recording.Finish(run.Frame());  // a broken run replays to its frame
    const Game_Run whole = recording.Take_Run(run.world(), Utc_Date_Now());
    if (!recording.Close(&whole)) {
        err << "zarvo: cannot write the recording " << o.Record << "\n";
        written = false;
    }
    return code != 0 ? code : written ? 0 : 1;
}

}  // namespace zarvo
