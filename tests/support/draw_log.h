#pragma once
// A headless media that also keeps a list of every plain and rotated draw, for tests that check
// what was drawn where and in which order.
#include <utility>
#include <vector>

#include "platform/headless/headless_media.h"

namespace zarvo::test {

struct Draw_Call {
    Image_List list;
    int index, x, y;
    bool rotated = false;
    int width = 0, height = 0, angle = 0;
    // Where it was drawn, and a rotated draw's size, each compared as one.
    std::pair<int, int> at() const { return {x, y}; }
    std::pair<int, int> size() const { return {width, height}; }
};

class Draw_Log_Media : public Headless_Media {
  public:
    using Headless_Media::Headless_Media;
    void Draw_Image(Image_Id image, int x, int y, int frame) override {
        draws.push_back({image.List, image.Index, x, y});
        Headless_Media::Draw_Image(image, x, y, frame);
    }
    void Draw_Image_Rotated(Image_Id image, int x, int y, int width, int height, int frame,
                            double cx, double cy, int angle) override {
        draws.push_back({image.List, image.Index, x, y, true, width, height, angle});
        Headless_Media::Draw_Image_Rotated(image, x, y, width, height, frame, cx, cy, angle);
    }
    // The draws of one image.
    std::vector<Draw_Call> of(Image_Id image) const {
        std::vector<Draw_Call> found;
        for (const Draw_Call& d : draws)
            if (d.list == image.List && d.index == image.Index) found.push_back(d);
        return found;
    }
    std::vector<Draw_Call> draws;
};

}  // namespace zarvo::test
