#include "platform/media.h"

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
    back_buffer_.Fill(colour);
}

void Surface_Media::Draw_Image(Image_List list, int index, int x, int y, int frame) {
    if (!assets_) return;
    if (const Image* img = assets_->Find(list, index))
        zarvo::Draw_Image(back_buffer_, *img, x, y, frame);
}

void Surface_Media::Draw_Image_Rotated(Image_List list, int index, int x, int y, int width,
                                       int height, int frame, double center_x, double center_y,
                                       int angle) {
    if (!assets_) return;
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
