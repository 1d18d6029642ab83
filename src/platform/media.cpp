#include "platform/media.h"

#include <algorithm>
#include <cstdlib>

namespace zarvo {

const Image* Assets::Find(Image_List list, int index) const {
    const auto number = static_cast<size_t>(list);
    if (number >= Lists.size()) return nullptr;
    const auto& items = Lists[number];
    if (index < 0 || index >= static_cast<int>(items.size())) return nullptr;
    return &items[static_cast<size_t>(index)];
}

Surface_Media::Surface_Media(const Assets* assets, int width, int height)
    : assets_(assets), back_buffer_(width, height) {}

void Surface_Media::Clear_Back_Buffer(uint32_t colour) {
    clear_owed_ = true;
    clear_colour_ = colour;
    clear_top_ = 0;
}

void Surface_Media::Settle_Clear() {
    if (!clear_owed_) return;
    clear_owed_ = false;
    back_buffer_.Fill_Rows(clear_top_, back_buffer_.Height, clear_colour_);
}

void Surface_Media::Before_Draw(int top, int bottom, bool covers_rows) {
    if (!clear_owed_ || bottom <= clear_top_) return;
    if (covers_rows && top <= clear_top_) {
        clear_top_ = bottom;
        clear_owed_ = clear_top_ < back_buffer_.Height;
        return;
    }
    Settle_Clear();
}

void Surface_Media::Draw_Image(Image_List list, int index, int x, int y, int frame) {
    if (!assets_) return;
    const Image* img = assets_->Find(list, index);
    if (!img || !img->Loaded() || frame != 0) return;
    const int top = std::max(y, 0), bottom = std::min(y + img->Height, back_buffer_.Height);
    if (top < bottom && x <= back_buffer_.Width && x + img->Width > 0)
        Before_Draw(top, bottom, img->Key < 0 && x <= 0 && x + img->Width >= back_buffer_.Width);
    zarvo::Draw_Image(back_buffer_, *img, x, y, frame);
}

void Surface_Media::Draw_Image_Rotated(Image_List list, int index, int x, int y, int width,
                                       int height, int frame, double center_x, double center_y,
                                       int angle) {
    if (!assets_) return;
    // Wherever the turned picture lands, it stays within this many rows of (x, y).
    const int reach = std::abs(width) + std::abs(height) + 2;
    Before_Draw(y - reach, y + reach, false);
    if (const Image* img = assets_->Find(list, index))
        zarvo::Draw_Image_Rotated(back_buffer_, *img, x, y, width, height, frame, center_x,
                                  center_y, angle);
}

int Surface_Media::Image_Width(Image_List list, int index) {
    const Image* img = assets_ ? assets_->Find(list, index) : nullptr;
    return img ? img->Width : 0;
}

int Surface_Media::Image_Height(Image_List list, int index) {
    const Image* img = assets_ ? assets_->Find(list, index) : nullptr;
    return img ? img->Height : 0;
}

}  // namespace zarvo
