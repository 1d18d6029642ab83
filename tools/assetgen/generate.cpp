#include "generate.h"

#include <iterator>

#include "painters.h"
#include "sounds.h"

namespace assetgen {

using namespace zarvo;

Assets Generate_Assets(uint32_t seed) {
    Assets out;
    out.Lists.resize(std::size(All_Image_Lists));
    for (Image_List list : All_Image_Lists) {
        auto& items = out.Lists[static_cast<size_t>(list)];
        for (int i = 0; i < Image_List_Size(list); ++i) items.push_back(Paint_Item(list, i, seed));
    }
    for (int i = 0; i < Wave::Count; ++i) out.Waves.push_back(Synthesise_Wave(i, seed));
    return out;
}

}  // namespace assetgen
