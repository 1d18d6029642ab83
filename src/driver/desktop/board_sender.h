#pragma once
// Sends the kept runs that wait in the outbox (game/run_outbox.h) to the score board named by
// the setting `board`, on a thread of its own: the game's thread only wakes it, and never waits
// for the network. A run the board takes (202) or has already (409) is marked sent, one it will
// never take (a refusal at its door) refused; when the board cannot be reached, or is busy, the
// run waits on disk and the sender tries again later, waiting longer each time up to a few
// minutes. At start it sends what waits from before.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace httplib {
class Client;
}

#include "game/run_outbox.h"

namespace zarvo {

class Board_Sender {
  public:
    // `url` as the setting holds it (Board_Url_Valid); `first_wait_ms` the wait after the first
    // failure, doubled after each up to `last_wait_ms`.
    explicit Board_Sender(std::string url, int first_wait_ms = 2000, int last_wait_ms = 300000);
    ~Board_Sender();
    Board_Sender(const Board_Sender&) = delete;
    Board_Sender& operator=(const Board_Sender&) = delete;

    // A run was put in the outbox: look at once.
    void Wake();
    // Runs posted, and sends that failed to reach the board, so far.
    int Posted() const { return posted_; }
    int Failed() const { return failed_; }

  private:
    void Loop();
    // Sends every waiting run; false when one could not reach the board (try again later).
    bool Send_Waiting();
    bool Send(const std::string& run_file);

    std::string origin_, path_;  // "http://host:port" and the path before /runs
    int first_wait_ms_, last_wait_ms_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool woken_ = true, stop_ = false;
    httplib::Client* sending_ = nullptr;  // the send under way, which closing stops
    std::atomic<int> posted_{0}, failed_{0};
    std::thread thread_;
};

}  // namespace zarvo
