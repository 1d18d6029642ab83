// The bitmap reader: any bytes give a picture whose pixels all exist, or a reason.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/image_file.h"

using namespace zarvo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    Image image;
    std::string error;
    if (!Decode_Bmp(bytes, image, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    if (image.Width <= 0 || image.Height <= 0 ||
        image.Pixels.size() != static_cast<size_t>(image.Width) * image.Height)
        std::abort();
    volatile uint32_t last = 0;  // every row's last pixel is there to read
    for (int y = 0; y < image.Height; ++y) last = image.At(image.Width - 1, y);
    (void)last;
    return 0;
}
