#include "driver/board/rate_limit.h"

namespace zarvo {

bool Rate_Limit::Allow(const std::string& address, int64_t now) {
    if (per_minute_ <= 0) return true;
    const int64_t minute = now / 60;
    std::lock_guard<std::mutex> lock(mutex_);
    if (minute != swept_) {  // the counts of a minute gone by are of no more use
        counts_.clear();
        swept_ = minute;
    }
    Count& c = counts_[address];
    if (c.Minute != minute) c = {minute, 0};
    return ++c.Requests <= per_minute_;
}

}  // namespace zarvo
