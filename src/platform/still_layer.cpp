#include "platform/still_layer.h"

#include <algorithm>

namespace zarvo {

Still_Layer::Still_Layer(int width, int height) : picture_(width, height) {
    ages_.reserve(Draw_List::Capacity);
    next_ages_.reserve(Draw_List::Capacity);
    damage_.Reset(width, height);
}

// A draw's age: one more than the same draw's the frame before, or 0 for a new one.
void Still_Layer::Age(const Draw_List& now, bool compared, const Diff_Scratch& scratch) {
    const size_t n = now.Calls.size();
    next_ages_.assign(n, 0);
    for (size_t i = 0; compared && i < n; ++i) {
        const int32_t k = scratch.Before_Of[i];
        if (k >= 0 && static_cast<size_t>(k) < ages_.size())
            next_ages_[i] = static_cast<uint8_t>(std::min(ages_[static_cast<size_t>(k)] + 1, 255));
    }
    ages_.swap(next_ages_);
}

// Between choices the layer ends after the draw that ended it the frame before, wherever that
// draw stands now.
size_t Still_Layer::Follow(const Diff_Scratch& scratch, bool compared, size_t n) const {
    if (!compared) return std::min(end_, n);
    for (size_t k = std::min(end_, scratch.Now_Of.size()); k-- > 0;)
        if (scratch.Now_Of[k] >= 0) return static_cast<size_t>(scratch.Now_Of[k]) + 1;
    return 0;
}

// The end that costs least: a changing draw in the still layer costs a redraw of the still
// picture as well as of the frame, weighed as eight still draws left above the layer.
size_t Still_Layer::Choose() const {
    constexpr int Changing_Weight = 8;
    long cost = 0, best_cost = 0;
    size_t best = 0;
    for (size_t i = 0; i < ages_.size(); ++i) {
        cost += ages_[i] < Still_Age ? Changing_Weight : -1;
        if (cost <= best_cost) best_cost = cost, best = i + 1;
    }
    return best;
}

// Where the still picture changes: the draws that joined or left it, or changed in it.
void Still_Layer::Find_Changes(const Draw_List& before, const Draw_List& now, bool compared,
                               const Diff_Scratch& scratch, size_t end) {
    if (!compared || !known_ || before.Colour != now.Colour) return damage_.Add_All();
    for (size_t i = 0; i < end; ++i) {
        const int32_t k = scratch.Before_Of[i];
        if (k < 0 || static_cast<size_t>(k) >= end_) damage_.Add(now.Calls[i].Bounds);
    }
    for (size_t k = 0; k < std::min(end_, before.Calls.size()); ++k) {
        const int32_t i = scratch.Now_Of[k];
        if (i < 0 || static_cast<size_t>(i) >= end) damage_.Add(before.Calls[k].Bounds);
    }
}

size_t Still_Layer::Update(const Draw_List& before, const Draw_List& now, bool compared,
                           Diff_Scratch& scratch) {
    Age(now, compared, scratch);
    const size_t end = ++frames_ % Choose_Every == 0 ? Choose()
                                                     : Follow(scratch, compared, now.Calls.size());
    damage_.Reset(picture_.Width, picture_.Height);
    Find_Changes(before, now, compared, scratch, end);
    Redraw(picture_, now, damage_, scratch, {0, end, nullptr});
    end_ = end;
    known_ = true;
    return end;
}

}  // namespace zarvo
