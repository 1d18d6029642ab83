#include "game/recorder.h"

namespace zarvo {

bool Recorder::Open(const std::string& path, uint32_t seed, Screen_Size screen) {
    failed_ = false;
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
    if (!file_.is_open() || failed_) return;
    file_ << Format_Event(e) << '\n';
    file_.flush();
    Check();
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

bool Recorder::Close() {
    if (!file_.is_open()) return !failed_;
    file_.close();
    Check();
    return !failed_;
}

}  // namespace zarvo
