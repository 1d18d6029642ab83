#pragma once
// Requests per address per minute, counted in fixed minutes by this board process (a board
// behind a load balancer counts what reaches it).
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

namespace zarvo {

class Rate_Limit {
  public:
    explicit Rate_Limit(int32_t per_minute) : per_minute_(per_minute) {}
    // Counts one request of `address` at `now` (seconds); false when it is one too many.
    // A limit of 0 or less lets everything through.
    bool Allow(const std::string& address, int64_t now);

  private:
    struct Count {
        int64_t Minute = 0;
        int32_t Requests = 0;
    };
    int32_t per_minute_;
    std::mutex mutex_;
    std::unordered_map<std::string, Count> counts_;
    int64_t swept_ = 0;
};

}  // namespace zarvo
