#include "assets/asset_loader.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/image_file.h"
#include "platform/wave_file.h"

namespace zarvo {

namespace {

std::string Numbered(const char* folder, int index, const char* name, const char* extension) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", index);
    return std::string(folder) + "/" + number + "_" + name + extension;
}

// Names the reason a file could not be read: missing altogether, or unreadable.
std::string Read_Failure(const std::string& path, const std::string& error) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return "is missing";
    return error;
}

bool Load_Image_Item(const std::string& folder, Image_List list, int index, Image& image,
                     std::string& message) {
    const Image_Spec& entry = *Find_Image_Spec(list, index);
    const std::string path = folder + "/" + Image_File_Name(list, index);
    std::string error;
    if (!Read_Bmp(path, image, error)) error = Read_Failure(path, error);
    if (error.empty()) error = Image_Mismatch(image, entry);
    if (!error.empty()) {
        message = path + ": " + error;
        return false;
    }
    image.Key = entry.Key;
    return true;
}

bool Load_Wave_Item(const std::string& folder, int index, Sound& sound, std::string& message) {
    const std::string path = folder + "/" + Wave_File_Name(index);
    std::string error;
    if (!Read_Wav(path, sound, error)) error = Read_Failure(path, error);
    if (error.empty()) error = Sound_Mismatch(sound, Wave_List[static_cast<size_t>(index)]);
    if (!error.empty()) {
        message = path + ": " + error;
        return false;
    }
    sound.Role = Wave_List[static_cast<size_t>(index)].Role;
    return true;
}

}  // namespace

std::string Image_File_Name(Image_List list, int index) {
    return Numbered(Image_List_Name(list), index, Find_Image_Spec(list, index)->Name, ".bmp");
}

std::string Wave_File_Name(int index) {
    return Numbered(Wave_List_Name, index, Wave_List[static_cast<size_t>(index)].Name, ".wav");
}

std::string Image_Mismatch(const Image& image, const Image_Spec& entry) {
    if (image.Width == entry.Width && image.Height == entry.Height) return "";
    return "is " + std::to_string(image.Width) + " x " + std::to_string(image.Height) +
           " pixels, not " + std::to_string(entry.Width) + " x " + std::to_string(entry.Height);
}

std::string Sound_Mismatch(const Sound& sound, const Wave_Spec& entry) {
    if (sound.Rate != entry.Rate)
        return "plays at " + std::to_string(sound.Rate) + " Hz, not " + std::to_string(entry.Rate);
    if (sound.Bits != entry.Bits)
        return "has " + std::to_string(sound.Bits) + "-bit samples, not " +
               std::to_string(entry.Bits);
    if (sound.Channels != entry.Channels)
        return "has " + std::to_string(sound.Channels) + " channels, not " +
               std::to_string(entry.Channels);
    const int32_t length = Sound_Length_Ms(sound);
    if (std::abs(length - entry.Length_Ms) > Wave_Length_Tolerance_Ms)
        return "lasts " + std::to_string(length) + " ms, not " + std::to_string(entry.Length_Ms);
    return "";
}

bool Load_Assets(const std::string& folder, Assets& out, std::string& message) {
    out.Lists.resize(std::size(All_Image_Lists));
    for (Image_List list : All_Image_Lists) {
        auto& items = out.Lists[static_cast<int>(list)];
        items.assign(static_cast<size_t>(Image_List_Size(list)), Image{});
        for (int i = 0; i < Image_List_Size(list); ++i)
            if (!Load_Image_Item(folder, list, i, items[static_cast<size_t>(i)], message))
                return false;
    }
    out.Waves.assign(Wave::Count, Sound{});
    for (int i = 0; i < Wave::Count; ++i)
        if (!Load_Wave_Item(folder, i, out.Waves[static_cast<size_t>(i)], message)) return false;
    message.clear();
    return true;
}

}  // namespace zarvo
