#include "platform/bmp_writer.h"

#include "platform/image_file.h"

namespace zarvo {

bool Write_Bmp(const Surface& surface, const std::string& path) {
    Image shot;
    shot.Width = surface.Width;
    shot.Height = surface.Height;
    shot.Pixels.assign(surface.Pixels.begin(), surface.Pixels.end());
    return Write_Bmp(path, shot);
}

}  // namespace zarvo
