#pragma once
// Loading the image and wave lists from the asset folder, each file checked against the
// catalogue. The folder holds one sub-folder per list, named as the list
// ("DXImageList1", ..., "DXWaveList1"), with one file per item: "<index>_<Name>.bmp" or
// ".wav", the index written with three digits ("046_Sponsor.bmp").
#include <string>

#include "assets/catalogue.h"
#include "platform/media.h"

namespace zarvo {

// Loads every list from folder. On any missing or mismatched file answers false and sets
// message to one line naming the file and what is wrong.
bool Load_Assets(const std::string& folder, Assets& out, std::string& message);

// The name of the wave list's sub-folder.
inline constexpr const char* Wave_List_Name = "DXWaveList1";

// An item's file, relative to the asset folder ("DXImageList2/046_Sponsor.bmp").
std::string Image_File_Name(Image_List list, int index);
std::string Wave_File_Name(int index);

// Checks one loaded item against its catalogue entry; answers "" when it fits, otherwise
// what is wrong ("is 20 x 20 pixels, not 16 x 16").
std::string Image_Mismatch(const Image& image, const Image_Spec& entry);
std::string Sound_Mismatch(const Sound& sound, const Wave_Spec& entry);

// How far a recording's playing time may differ from its catalogue length.
inline constexpr int32_t Wave_Length_Tolerance_Ms = 10;

}  // namespace zarvo
