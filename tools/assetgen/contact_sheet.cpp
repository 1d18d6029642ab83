#include "contact_sheet.h"

#include <algorithm>
#include <vector>

#include "painters.h"
#include "platform/image_file.h"

namespace assetgen {

namespace {

using namespace zarvo;

constexpr int Sheet_Width = 1400;
constexpr int Gap = 6;

void Draw_Enlarged(Image& sheet, const Image& item, int x0, int y0, int scale) {
    for (int y = 0; y < item.Height * scale; ++y)
        for (int x = 0; x < item.Width * scale; ++x) {
            const int sx = x / scale, sy = y / scale;
            Colour c = ((x / 6 + y / 6) % 2) ? 0x505050 : 0x707070;
            if (!Is_Clear(item, sx, sy)) c = item.At(sx, sy);
            Put(sheet, x0 + x, y0 + y, c);
        }
}

Image Sheet_Of(Image_List list, uint32_t seed, int scale) {
    std::vector<Image> items;
    for (int i = 0; i < Image_List_Size(list); ++i) items.push_back(Paint_Item(list, i, seed));
    // Lay the items out in rows, wrapping at the sheet width, shrinking huge ones.
    struct Place {
        int x, y, s;
    };
    std::vector<Place> places;
    int x = Gap, y = Gap, row_h = 0;
    for (const Image& item : items) {
        const int s = std::max(1, std::min(scale, (Sheet_Width - 2 * Gap) / item.Width));
        if (x + item.Width * s > Sheet_Width - Gap) x = Gap, y += row_h + Gap, row_h = 0;
        places.push_back({x, y, s});
        x += item.Width * s + Gap;
        row_h = std::max(row_h, item.Height * s);
    }
    Image sheet = Blank(Sheet_Width, y + row_h + Gap, Key_None);
    Rect(sheet, 0, 0, sheet.Width, sheet.Height, 0x203040);
    for (size_t i = 0; i < items.size(); ++i)
        Draw_Enlarged(sheet, items[i], places[i].x, places[i].y, places[i].s);
    return sheet;
}

}  // namespace

bool Write_Contact_Sheets(const std::string& folder, uint32_t seed, int scale) {
    const Image_List lists[] = {Image_List::List_1, Image_List::List_2, Image_List::Abc,
                                Image_List::Ex};
    for (Image_List list : lists) {
        const std::string path = folder + "/sheet_" + Image_List_Name(list) + ".bmp";
        if (!Write_Bmp(path, Sheet_Of(list, seed, scale))) return false;
    }
    return Write_Scene_Preview(folder + "/scene.bmp", seed) && Write_Title_Previews(folder, seed);
}

}  // namespace assetgen
