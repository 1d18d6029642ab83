#include "platform/media.h"

#include <algorithm>

namespace zarvo {

const Image* Assets::Find(Image_List list, int index) const {
    const auto number = static_cast<size_t>(list);
    if (number >= Lists.size()) return nullptr;
    const auto& items = Lists[number];
    if (index < 0 || index >= static_cast<int>(items.size())) return nullptr;
    return &items[static_cast<size_t>(index)];
}

Surface_Media::Surface_Media(const Assets* assets, int width, int height)
    : assets_(assets), back_buffer_(width, height), still_(width, height) {
    damage_.Reset(width, height);
    changes_.Reset(width, height);
    changes_.Add_All();
    covered_.Reset(width, height);
    covered_.Add_All();
    differs_.Reset(width, height);
}

void Surface_Media::Clear_Back_Buffer(uint32_t colour) {
    writing_ = true;
    lists_[1 - drawn_].Start(colour);
}

void Surface_Media::Settle() {
    if (!writing_) return;
    writing_ = false;
    const Draw_List &before = lists_[drawn_], &now = lists_[1 - drawn_];
    damage_.Reset(back_buffer_.Width, back_buffer_.Height);
    if (drawn_known_)
        Find_Damage(before, now, damage_, scratch_);
    else
        damage_.Add_All();
    still_draws_ = still_.Update(before, now, drawn_known_, scratch_);
    differs_.Reset(back_buffer_.Width, back_buffer_.Height);
    differs_.Add(covered_);
    differs_.Add(still_.Changed());
    Redraw(back_buffer_, now, damage_, scratch_,
           {still_draws_, now.Calls.size(), &still_.Picture(), &differs_});
    covered_.Reset(back_buffer_.Width, back_buffer_.Height);
    for (size_t i = still_draws_; i < now.Calls.size(); ++i) covered_.Add(now.Calls[i].Bounds);
    changes_.Add(damage_);
    drawn_ = 1 - drawn_;
    drawn_known_ = true;
}

bool Surface_Media::Agrees_With_Whole_Redraw() {
    Settle();
    if (!drawn_known_) return true;
    if (whole_.Width != back_buffer_.Width || whole_.Height != back_buffer_.Height)
        whole_ = Surface(back_buffer_.Width, back_buffer_.Height);
    Damage all;
    all.Reset(whole_.Width, whole_.Height);
    all.Add_All();
    Redraw(whole_, lists_[drawn_], all, scratch_);
    return whole_.Pixels == back_buffer_.Pixels;
}

void Surface_Media::Back_Buffer_Rewritten() {
    drawn_known_ = false;
    changes_.Add_All();
    covered_.Add_All();
}

void Surface_Media::Take(const Image& img, int x, int y, const Turn* turn,
                         const Pixel_Rect& bounds) {
    if (bounds.Empty()) return;
    if (writing_) {
        if (lists_[1 - drawn_].Add(img, x, y, turn, bounds)) return;
        Settle();  // a list full to the brim: what it has is made, the rest is drawn at once
    }
    Draw_One(back_buffer_, img, x, y, turn, bounds);
    changes_.Add(bounds);
    covered_.Add(bounds);
    if (drawn_known_ && !lists_[drawn_].Add(img, x, y, turn, bounds)) drawn_known_ = false;
}

void Surface_Media::Draw_Image(Image_Id image, int x, int y, int frame) {
    const Image* img = assets_ ? assets_->Find(image.List, image.Index) : nullptr;
    if (img && frame == 0) Take(*img, x, y, nullptr, Image_Bounds(back_buffer_, *img, x, y));
}

void Surface_Media::Draw_Image_Rotated(Image_Id image, int x, int y, int width, int height,
                                       int frame, double center_x, double center_y, int angle) {
    const Image* img = assets_ ? assets_->Find(image.List, image.Index) : nullptr;
    if (!img || frame != 0) return;
    const Turn t{width, height, center_x, center_y, angle};
    Take(*img, x, y, &t, Turned_Bounds(back_buffer_, *img, x, y, t));
}

int Surface_Media::Image_Width(Image_Id image) {
    const Image* img = assets_ ? assets_->Find(image.List, image.Index) : nullptr;
    return img ? img->Width : 0;
}

int Surface_Media::Image_Height(Image_Id image) {
    const Image* img = assets_ ? assets_->Find(image.List, image.Index) : nullptr;
    return img ? img->Height : 0;
}

}  // namespace zarvo
