// zarvo_assetgen OUTPUT_DIR [--seed S]: paints every image and synthesises every wave of the
// catalogue into OUTPUT_DIR, one file per item, the same bytes for the same seed.
// zarvo_assetgen --sheets DIR [--seed S]: contact sheets of the four image lists instead.
// zarvo_assetgen --icons DIR [--seed S]: the desktop icons in DIR/NxN/apps/zarvo.png.
// zarvo_assetgen --web-icons DIR [--seed S]: the browser page's icons, DIR/icon-N.png.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "app_icon.h"
#include "assets/asset_loader.h"
#include "contact_sheet.h"
#include "generate.h"
#include "painters.h"
#include "platform/image_file.h"
#include "platform/wave_file.h"
#include "sounds.h"

namespace {

using namespace zarvo;
using assetgen::Default_Seed;

bool Make_Folder(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    if (ec)
        std::fprintf(stderr, "zarvo_assetgen: cannot create %s: %s\n", path.c_str(),
                     ec.message().c_str());
    return !ec;
}

bool Write_Images(const std::string& folder, Image_List list, uint32_t seed) {
    if (!Make_Folder(folder + "/" + Image_List_Name(list))) return false;
    for (int i = 0; i < Image_List_Size(list); ++i) {
        const Image img = assetgen::Paint_Item(list, i, seed);
        const Image_Spec& entry = *Find_Image_Spec(list, i);
        if (img.Width != entry.Width || img.Height != entry.Height || img.Key != entry.Key) {
            std::fprintf(stderr, "zarvo_assetgen: %s painted %d x %d, not %d x %d\n", entry.Name,
                         img.Width, img.Height, entry.Width, entry.Height);
            return false;
        }
        const std::string path = folder + "/" + Image_File_Name(list, i);
        if (!Write_Bmp(path, img)) {
            std::fprintf(stderr, "zarvo_assetgen: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

bool Write_Waves(const std::string& folder, uint32_t seed) {
    if (!Make_Folder(folder + "/" + Wave_List_Name)) return false;
    for (int i = 0; i < Wave::Count; ++i) {
        const std::string path = folder + "/" + Wave_File_Name(i);
        if (!Write_Wav(path, assetgen::Synthesise_Wave(i, seed))) {
            std::fprintf(stderr, "zarvo_assetgen: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const bool seeded = argc == 4 && std::strcmp(argv[2], "--seed") == 0;
    const bool folder_mode =
        (argc == 3 || (argc == 5 && std::strcmp(argv[3], "--seed") == 0)) &&
        (std::strcmp(argv[1], "--sheets") == 0 || std::strcmp(argv[1], "--icons") == 0 ||
         std::strcmp(argv[1], "--web-icons") == 0);
    // An output folder is never an option: `--help` would otherwise fill a folder of that name.
    const bool asked =
        argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0);
    if (asked || (argc != 2 && !seeded && !folder_mode) || (!folder_mode && argv[1][0] == '-')) {
        std::fprintf(asked ? stdout : stderr,
                     "usage: zarvo_assetgen OUTPUT_DIR [--seed S]\n"
                     "       zarvo_assetgen --sheets DIR [--seed S]\n"
                     "       zarvo_assetgen --icons DIR [--seed S]\n"
                     "       zarvo_assetgen --web-icons DIR [--seed S]\n");
        return asked ? 0 : 2;
    }
    if (folder_mode) {
        const uint32_t seed =
            argc == 5 ? static_cast<uint32_t>(std::strtoul(argv[4], nullptr, 10)) : Default_Seed;
        if (!Make_Folder(argv[2])) return 1;
        if (std::strcmp(argv[1], "--icons") == 0)
            return assetgen::Write_App_Icons(argv[2], seed) ? 0 : 1;
        if (std::strcmp(argv[1], "--web-icons") == 0)
            return assetgen::Write_Web_Icons(argv[2], seed) ? 0 : 1;
        return assetgen::Write_Contact_Sheets(argv[2], seed, 3) ? 0 : 1;
    }
    const std::string folder = argv[1];
    const uint32_t seed =
        argc == 4 ? static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10)) : Default_Seed;
    const Image_List lists[] = {Image_List::List_1, Image_List::List_2, Image_List::Abc,
                                Image_List::Ex};
    for (Image_List list : lists)
        if (!Write_Images(folder, list, seed)) return 1;
    return Write_Waves(folder, seed) ? 0 : 1;
}
