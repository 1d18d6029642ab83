#include "platform/image_file.h"

#include "platform/binary_file.h"

namespace zarvo {

namespace {

constexpr size_t File_Header_Size = 14;
constexpr size_t Info_Header_Size = 40;
// No picture of the game is anywhere near this wide or tall.
constexpr int64_t Image_Side_Limit = 1 << 16;

size_t Row_Stride(int32_t width) {
    return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
}

void Put_Headers(std::vector<uint8_t>& out, const Image& image, size_t pixel_bytes) {
    out.push_back('B');
    out.push_back('M');
    Put_U32(out, static_cast<uint32_t>(File_Header_Size + Info_Header_Size + pixel_bytes));
    Put_U32(out, 0);
    Put_U32(out, File_Header_Size + Info_Header_Size);
    Put_U32(out, Info_Header_Size);
    Put_U32(out, static_cast<uint32_t>(image.Width));
    Put_U32(out, static_cast<uint32_t>(image.Height));
    Put_U16(out, 1);   // planes
    Put_U16(out, 24);  // bits per pixel
    Put_U32(out, 0);   // no compression
    Put_U32(out, static_cast<uint32_t>(pixel_bytes));
    Put_U32(out, 2835);  // 72 dpi
    Put_U32(out, 2835);
    Put_U32(out, 0);
    Put_U32(out, 0);
}

}  // namespace

bool Write_Bmp(const std::string& path, const Image& image) {
    const size_t stride = Row_Stride(image.Width);
    std::vector<uint8_t> out;
    out.reserve(File_Header_Size + Info_Header_Size + stride * image.Height);
    Put_Headers(out, image, stride * image.Height);
    for (int y = image.Height - 1; y >= 0; --y) {
        const size_t row_start = out.size();
        for (int x = 0; x < image.Width; ++x) {
            const uint32_t c = image.At(x, y);
            out.push_back(c & 0xFF);
            out.push_back((c >> 8) & 0xFF);
            out.push_back((c >> 16) & 0xFF);
        }
        out.resize(row_start + stride, 0);
    }
    return Write_Whole_File(path, out);
}

bool Read_Bmp(const std::string& path, Image& image, std::string& error) {
    std::vector<uint8_t> bytes;
    return Read_Regular_File(path, bytes, &error) && Decode_Bmp(bytes, image, error);
}

bool Decode_Bmp(const std::vector<uint8_t>& bytes, Image& image, std::string& error) {
    if (bytes.size() < File_Header_Size + Info_Header_Size || bytes[0] != 'B' || bytes[1] != 'M') {
        error = "is not a bitmap";
        return false;
    }
    const uint8_t* info = bytes.data() + File_Header_Size;
    const uint32_t offset = Get_U32(bytes.data() + 10);
    const int32_t width = static_cast<int32_t>(Get_U32(info + 4));
    const int32_t raw_height = static_cast<int32_t>(Get_U32(info + 8));
    if (Get_U16(info + 14) != 24 || Get_U32(info + 16) != 0) {
        error = "is not an uncompressed 24-bit bitmap";
        return false;
    }
    const bool top_down = raw_height < 0;
    // Worked out in 64 bits: the most negative height has no positive 32-bit counterpart.
    const int64_t tall = top_down ? -static_cast<int64_t>(raw_height) : raw_height;
    if (width <= 0 || tall <= 0 || tall > Image_Side_Limit || width > Image_Side_Limit) {
        error =
            "has an impossible size " + std::to_string(width) + " x " + std::to_string(raw_height);
        return false;
    }
    const size_t stride = Row_Stride(width);
    if (offset + stride * static_cast<size_t>(tall) > bytes.size()) {
        error = "is cut short";
        return false;
    }
    const int32_t height = static_cast<int32_t>(tall);
    image.Width = width;
    image.Height = height;
    image.Pixels.resize(static_cast<size_t>(width) * height);
    for (int32_t row = 0; row < height; ++row) {
        const uint8_t* p = bytes.data() + offset + stride * row;
        uint32_t* dst =
            image.Pixels.data() + static_cast<size_t>(top_down ? row : height - 1 - row) * width;
        for (int32_t x = 0; x < width; ++x, p += 3) dst[x] = p[0] | (p[1] << 8) | (p[2] << 16);
    }
    return true;
}

}  // namespace zarvo
