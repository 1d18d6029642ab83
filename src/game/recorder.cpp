#include "game/recorder.h"

#include "platform/atomic_file.h"

namespace zarvo {

Recorder::Recorder() {
    events_.reserve(Reserved_Events);
    pace_.reserve(1024);
}

void Recorder::Start(const Run_Start& start, int64_t now_ms) {
    start_ = start;
    started_ = true;
    events_.clear();
    pace_.clear();
    start_ms_ = now_ms;
    frames_ = 0;
    last_ = {};  // the replay starts with nothing held
    result_ = {};
    result_.Difficulty = start.Difficulty, result_.Level = start.Level;
    result_.Game_Difficulty = start.Difficulty;
}

bool Recorder::Open(const std::string& path, uint32_t seed, Screen_Size screen) {
    failed_ = false;
    path_ = path;
    file_.open(path, std::ios::trunc);
    if (!file_) {
        failed_ = true;
        return false;
    }
    file_ << "# zarvo input recording\nseed " << seed << "\nscreen " << screen.Width << ' '
          << screen.Height << '\n';
    file_.flush();
    Check();
    return !failed_;
}

// After the first failed line the game goes on without the recording.
void Recorder::Check() {
    if (!file_) failed_ = true;
}

void Recorder::Write(const Script_Event& e) {
    if (started_) events_.push_back(e);
    if (!file_.is_open() || failed_) return;
    file_ << Format_Event(e) << '\n';
    file_.flush();
    Check();
}

void Recorder::Frame_Done(const World& w, int32_t frames, int64_t now_ms) {
    frames_ = frames;
    Observe_Run(result_, w);
    if (frames > 0 && frames % Pace_Frames == 0 &&
        pace_.size() < static_cast<size_t>(frames / Pace_Frames))
        pace_.push_back(now_ms - start_ms_);
}

Game_Run Recorder::Take_Run(const World& w, const std::string& date) const {
    Game_Run run;
    run.Is_Run = true;
    Run_Header& h = run.Header;
    h.Game_Version = start_.Game_Version;
    h.Start_Difficulty = start_.Difficulty, h.Start_Level = start_.Level;
    h.Start_Immortal = start_.Immortal, h.Start_Fire = start_.Fire;
    h.Date = date;
    h.Tables = start_.Tables;
    const Score_Name_Text& name = w.game.Player_Name;
    h.Name.assign(name.Letters, static_cast<size_t>(name.shown()));
    h.Score = result_.Score;
    h.Pace.assign(pace_.begin(),
                  pace_.begin() + std::min<size_t>(pace_.size(), frames_ / Pace_Frames));
    h.Digest = Digest_World(w);
    run.Input.Seed = start_.Seed;
    run.Input.Screen = start_.Screen;
    run.Input.Frames = frames_;
    for (const Script_Event& e : events_)
        if (e.Frame <= frames_ + 1) run.Input.Events.push_back(e);
    return run;
}

void Recorder::Finish(int32_t frames) {
    if (!file_.is_open()) return;
    file_ << "frames " << frames << '\n';
    file_.flush();
    Check();
}

void Recorder::Held(int32_t frame, const Input_States& now) {
    const bool was[4] = {last_.Up, last_.Down, last_.Left, last_.Right};
    const bool is[4] = {now.Up, now.Down, now.Left, now.Right};
    for (int d = 0; d < 4; ++d)
        if (was[d] != is[d]) Write({frame, is[d] ? Event_Kind::Hold : Event_Kind::Release, d, 0});
    last_ = now;
}

bool Recorder::Close(const Game_Run* whole) {
    if (!file_.is_open()) return !failed_;
    file_.close();
    Check();
    if (whole && !failed_) {
        const std::string text = Format_Run(*whole);
        failed_ = !Rewrite_File_Atomically(
            path_.c_str(), reinterpret_cast<const uint8_t*>(text.data()), text.size());
    }
    return !failed_;
}

}  // namespace zarvo
