#include "driver/desktop/board_sender.h"

#include <httplib.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "game/run_keeper.h"

namespace zarvo {

namespace {

// How long a send may take before it counts as not reaching the board.
constexpr int Connect_Seconds = 5, Answer_Seconds = 20;

std::string Read_Run(const std::string& run_file) {
    std::ifstream in(Runs_Folder() + "/" + run_file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

Board_Sender::Board_Sender(std::string url, int first_wait_ms, int last_wait_ms)
    : first_wait_ms_(first_wait_ms), last_wait_ms_(last_wait_ms) {
    const size_t host = url.find("://") + 3;
    const size_t slash = url.find('/', host);
    origin_ = url.substr(0, slash);
    path_ = slash == std::string::npos ? "" : url.substr(slash);
    while (!path_.empty() && path_.back() == '/') path_.pop_back();
    thread_ = std::thread([this] { Loop(); });
}

Board_Sender::~Board_Sender() {
    {
        std::lock_guard<std::mutex> held(mutex_);
        stop_ = true;
        if (sending_) sending_->stop();  // a board that does not answer keeps nobody waiting
    }
    wake_.notify_all();
    thread_.join();
}

void Board_Sender::Wake() {
    {
        std::lock_guard<std::mutex> held(mutex_);
        woken_ = true;
    }
    wake_.notify_all();
}

void Board_Sender::Loop() {
    int wait_ms = 0;  // 0: nothing failed, wait to be woken
    std::unique_lock<std::mutex> held(mutex_);
    while (!stop_) {
        const auto ready = [this] { return woken_ || stop_; };
        if (wait_ms == 0)
            wake_.wait(held, ready);
        else
            wake_.wait_for(held, std::chrono::milliseconds(wait_ms), ready);
        if (stop_) break;
        woken_ = false;
        held.unlock();
        const bool all = Send_Waiting();
        held.lock();
        wait_ms = all ? 0 : std::clamp(wait_ms * 2, first_wait_ms_, last_wait_ms_);
    }
}

bool Board_Sender::Send_Waiting() {
    for (const std::string& run_file : Waiting_Runs()) {
        {
            std::lock_guard<std::mutex> held(mutex_);
            if (stop_) return true;
        }
        if (!Send(run_file)) return false;
    }
    return true;
}

bool Board_Sender::Send(const std::string& run_file) {
    const std::string text = Read_Run(run_file);
    if (text.empty()) return true;  // it left the table meanwhile
    httplib::Client client(origin_);
    client.set_connection_timeout(Connect_Seconds);
    client.set_read_timeout(Answer_Seconds);
    client.set_write_timeout(Answer_Seconds);
    {
        std::lock_guard<std::mutex> held(mutex_);
        if (stop_) return true;
        sending_ = &client;
    }
    const auto answer = client.Post(path_ + "/runs", text, "text/plain");
    {
        std::lock_guard<std::mutex> held(mutex_);
        sending_ = nullptr;
    }
    ++posted_;
    const Outbox_Entry entry = answer ? Board_Answer(answer->status, answer->body) : Outbox_Entry{};
    if (entry.Mark == Board_Mark::None || !Mark_In_Outbox(run_file, entry)) {
        ++failed_;
        return false;
    }
    return true;
}

}  // namespace zarvo
