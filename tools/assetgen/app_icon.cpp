#include "app_icon.h"

#include <cstdio>
#include <filesystem>

#include "painters.h"

namespace assetgen {

namespace {

using namespace zarvo;

constexpr int32_t Icon_Key = 0xFF00FF;
constexpr int Master_Size = 64;
constexpr int Icon_Sizes[] = {32, 64, 128, 256};
constexpr int Web_Icon_Sizes[] = {32, 192, 512};

void Draw(Image& icon, int index, int x, int y, uint32_t seed) {
    Stamp(icon, Paint_Item(Image_List::List_1, index, seed), x, y);
}

// Four by four cells with the top right pair cut away: the loop of edge pieces runs round
// what is left, two floor plates inside, a trail of dots leads down to the figure.
Image Paint_Master(uint32_t seed) {
    Image icon = Blank(Master_Size, Master_Size, Icon_Key);
    const int edge[4][4] = {
        {Img1::Kachel_UpRight, Img1::Kachel_RightDown, -1, -1},
        {Img1::Kachel_Up, Img1::Kachel_DownRight, Img1::Kachel_Right, Img1::Kachel_RightDown},
        {Img1::Kachel_Up, Img1::Kachel, Img1::Kachel, Img1::Kachel_Down},
        {Img1::Kachel_LeftUp, Img1::Kachel_Left, Img1::Kachel_Left, Img1::Kachel_DownLeft},
    };
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            if (edge[row][col] >= 0) Draw(icon, edge[row][col], 16 * col, 16 * row, seed);
    Draw(icon, Img1::Way_Point, 41, 20, seed);
    Draw(icon, Img1::Way_Point, 41, 32, seed);
    Draw(icon, Img1::Way_Point, 41, 44, seed);
    Draw(icon, Img1::Ego_Down_1, 9, 17, seed);
    return icon;
}

uint32_t Opaque(uint32_t rgb) {
    return 0xFF000000u | rgb;
}

// Every master pixel becomes factor x factor icon pixels, so the pixel art stays crisp.
Rgba_Picture Enlarge(const Image& master, int factor) {
    Rgba_Picture out{master.Width * factor, master.Height * factor, {}};
    out.Pixels.resize(static_cast<size_t>(out.Width) * out.Height);
    for (int y = 0; y < out.Height; ++y)
        for (int x = 0; x < out.Width; ++x) {
            const uint32_t p = master.At(x / factor, y / factor);
            out.Pixels[static_cast<size_t>(y) * out.Width + x] =
                static_cast<int32_t>(p) == master.Key ? 0 : Opaque(p);
        }
    return out;
}

// Each icon pixel averages a factor x factor block of the master; keyed pixels count as
// transparent, so the edge of the picture comes out softened rather than jagged.
Rgba_Picture Reduce(const Image& master, int factor) {
    Rgba_Picture out{master.Width / factor, master.Height / factor, {}};
    out.Pixels.resize(static_cast<size_t>(out.Width) * out.Height);
    for (int y = 0; y < out.Height; ++y)
        for (int x = 0; x < out.Width; ++x) {
            uint32_t r = 0, g = 0, b = 0, drawn = 0;
            for (int dy = 0; dy < factor; ++dy)
                for (int dx = 0; dx < factor; ++dx) {
                    const uint32_t p = master.At(x * factor + dx, y * factor + dy);
                    if (static_cast<int32_t>(p) == master.Key) continue;
                    r += Red(p), g += Green(p), b += Blue(p), ++drawn;
                }
            if (drawn == 0) continue;
            const uint32_t alpha = 255 * drawn / static_cast<uint32_t>(factor * factor);
            out.Pixels[static_cast<size_t>(y) * out.Width + x] =
                (alpha << 24) | Rgb(static_cast<int>(r / drawn), static_cast<int>(g / drawn),
                                    static_cast<int>(b / drawn));
        }
    return out;
}

}  // namespace

Rgba_Picture Paint_App_Icon(int size, uint32_t seed) {
    const Image master = Paint_Master(seed);
    return size >= Master_Size ? Enlarge(master, size / Master_Size)
                               : Reduce(master, Master_Size / size);
}

namespace {

bool Write_Icon(const std::string& dir, const std::string& name, int size, uint32_t seed) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec || !Write_Png(dir + "/" + name, Paint_App_Icon(size, seed))) {
        std::fprintf(stderr, "zarvo_assetgen: cannot write %s/%s\n", dir.c_str(), name.c_str());
        return false;
    }
    return true;
}

}  // namespace

bool Write_App_Icons(const std::string& folder, uint32_t seed) {
    for (int size : Icon_Sizes) {
        const std::string side = std::to_string(size);
        if (!Write_Icon(folder + "/" + side + "x" + side + "/apps", "zarvo.png", size, seed))
            return false;
    }
    return true;
}

bool Write_Web_Icons(const std::string& folder, uint32_t seed) {
    for (int size : Web_Icon_Sizes)
        if (!Write_Icon(folder, "icon-" + std::to_string(size) + ".png", size, seed)) return false;
    return true;
}

}  // namespace assetgen
