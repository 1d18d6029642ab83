// zarvo_shotpng SHOT.bmp OUT.png: turns a screenshot of the headless runner (--shot) into an
// opaque PNG, the picture format software centres and web pages show.
#include <cstdio>
#include <string>

#include "assetgen/png_file.h"
#include "platform/image_file.h"

namespace {

// The bitmap's pixels are 0xRRGGBB; the PNG's are 0xAARRGGBB, here all opaque.
assetgen::Rgba_Picture Opaque_Picture(const zarvo::Image& image) {
    assetgen::Rgba_Picture picture;
    picture.Width = image.Width;
    picture.Height = image.Height;
    picture.Pixels.reserve(image.Pixels.size());
    for (uint32_t rgb : image.Pixels) picture.Pixels.push_back(0xFF000000u | (rgb & 0xFFFFFFu));
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zarvo_shotpng SHOT.bmp OUT.png\n");
        return 2;
    }
    zarvo::Image image;
    std::string error;
    if (!zarvo::Read_Bmp(argv[1], image, error)) {
        std::fprintf(stderr, "zarvo_shotpng: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    if (!assetgen::Write_Png(argv[2], Opaque_Picture(image))) {
        std::fprintf(stderr, "zarvo_shotpng: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
