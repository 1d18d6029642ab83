#include "generate.h"

#include <iterator>
#include <utility>

#include "painters.h"
#include "sounds.h"

namespace assetgen {

using namespace zarvo;

namespace {

int Image_Count() {
    int count = 0;
    for (Image_List list : All_Image_Lists) count += Image_List_Size(list);
    return count;
}

}  // namespace

Asset_Maker::Asset_Maker(uint32_t seed) : seed_(seed) {
    out_.Lists.resize(std::size(All_Image_Lists));
}

int Asset_Maker::Total() {
    return Image_Count() + Wave::Count;
}

// The n-th image is found by walking the lists: a few comparisons against a painting.
void Asset_Maker::Make_Next() {
    if (Done()) return;
    int index = next_++;
    for (Image_List list : All_Image_Lists) {
        if (index < Image_List_Size(list)) {
            out_.Lists[static_cast<size_t>(list)].push_back(Paint_Item(list, index, seed_));
            return;
        }
        index -= Image_List_Size(list);
    }
    out_.Waves.push_back(Synthesise_Wave(index, seed_));
}

Assets Asset_Maker::Take() {
    return std::move(out_);
}

Assets Generate_Assets(uint32_t seed) {
    Asset_Maker maker(seed);
    while (!maker.Done()) maker.Make_Next();
    return maker.Take();
}

}  // namespace assetgen
