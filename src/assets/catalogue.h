#pragma once
// The catalogue of every image and sound of the game: four image lists and one wave list,
// in their fixed order. Code addresses an item by list and index, through these names.
#include <array>
#include <cstdint>

#include "platform/media.h"

namespace zarvo {

enum class Image_List { List_1, List_2, Abc, Ex };
inline constexpr int Image_List_Count = 4;
inline constexpr Image_List All_Image_Lists[Image_List_Count] = {
    Image_List::List_1, Image_List::List_2, Image_List::Abc, Image_List::Ex};

// Colour keys as 0xRRGGBB; Key_None marks an opaque item.
inline constexpr int32_t Key_None = -1;
inline constexpr int32_t Key_Blue = 0x0000FF;
inline constexpr int32_t Key_Lime = 0x00FF00;
inline constexpr int32_t Key_Red = 0xFF0000;
inline constexpr int32_t Key_Fuchsia = 0xFF00FF;

struct Image_Spec {
    const char* Name;
    int32_t Width;
    int32_t Height;
    int32_t Key;  // Key_None when opaque
};

struct Wave_Spec {
    const char* Name;
    int32_t Rate;                   // samples per second
    int32_t Bits;                   // 8 or 16
    int32_t Channels;               // 1 or 2
    int32_t Length_Ms;              // playing time
    Mix_Role Role = Mix_Role::Cue;  // how the mixer treats it
};

// The index constants, one per line of catalogue_list.h, numbered in the order of the lines.
namespace catalogue_order {
enum class Img1_Index {
#define ZARVO_IMAGE_1(id, ...) id,
#include "assets/catalogue_list.h"
#undef ZARVO_IMAGE_1
    Count
};
enum class Img2_Index {
#define ZARVO_IMAGE_2(id, ...) id,
#include "assets/catalogue_list.h"
#undef ZARVO_IMAGE_2
    Count
};
enum class Abc_Index {
#define ZARVO_ABC(id, ...) id,
#include "assets/catalogue_list.h"
#undef ZARVO_ABC
    Count
};
enum class Ex_Index {
#define ZARVO_EX(id, ...) id,
#include "assets/catalogue_list.h"
#undef ZARVO_EX
    Count
};
enum class Wave_Index {
#define ZARVO_WAVE(id, ...) id,
#include "assets/catalogue_list.h"
#undef ZARVO_WAVE
    Count
};
}  // namespace catalogue_order

// An image of one list by its number there. It reads as its number wherever a number is
// meant (a table, a stored frame), and it is the only way to name an image to draw: the list
// comes with it, so an image cannot be drawn from another list. A number kept in the World
// becomes an image again at the draw, as Ex_Id{r.Burn_Frame}.
template <Image_List L>
struct Image_Of {
    int Index = 0;
    constexpr Image_Of() = default;
    constexpr explicit Image_Of(int index) : Index(index) {}
    constexpr operator int() const { return Index; }  // NOLINT: reads as its number
    constexpr operator Image_Id() const { return Image_Id{L, Index}; }
    constexpr Image_Of operator+(int k) const { return Image_Of(Index + k); }
    constexpr Image_Of operator-(int k) const { return Image_Of(Index - k); }
};
using Img1_Id = Image_Of<Image_List::List_1>;
using Img2_Id = Image_Of<Image_List::List_2>;
using Abc_Id = Image_Of<Image_List::Abc>;
using Ex_Id = Image_Of<Image_List::Ex>;

namespace Img1 {
#define ZARVO_IMAGE_1(id, ...) \
    inline constexpr Img1_Id id{static_cast<int>(catalogue_order::Img1_Index::id)};
#include "assets/catalogue_list.h"
#undef ZARVO_IMAGE_1
inline constexpr int Count = static_cast<int>(catalogue_order::Img1_Index::Count);
}  // namespace Img1

namespace Img2 {
#define ZARVO_IMAGE_2(id, ...) \
    inline constexpr Img2_Id id{static_cast<int>(catalogue_order::Img2_Index::id)};
#include "assets/catalogue_list.h"
#undef ZARVO_IMAGE_2
inline constexpr int Count = static_cast<int>(catalogue_order::Img2_Index::Count);
}  // namespace Img2

namespace Abc {
#define ZARVO_ABC(id, ...) \
    inline constexpr Abc_Id id{static_cast<int>(catalogue_order::Abc_Index::id)};
#include "assets/catalogue_list.h"
#undef ZARVO_ABC
inline constexpr int Count = static_cast<int>(catalogue_order::Abc_Index::Count);
}  // namespace Abc

namespace Ex {
#define ZARVO_EX(id, ...) \
    inline constexpr Ex_Id id{static_cast<int>(catalogue_order::Ex_Index::id)};
#include "assets/catalogue_list.h"
#undef ZARVO_EX
inline constexpr int Count = static_cast<int>(catalogue_order::Ex_Index::Count);
}  // namespace Ex

namespace Wave {
#define ZARVO_WAVE(id, ...) \
    inline constexpr int id = static_cast<int>(catalogue_order::Wave_Index::id);
#include "assets/catalogue_list.h"
#undef ZARVO_WAVE
inline constexpr int Count = static_cast<int>(catalogue_order::Wave_Index::Count);
}  // namespace Wave
extern const std::array<Image_Spec, Img1::Count> Image_List_1;
extern const std::array<Image_Spec, Img2::Count> Image_List_2;
extern const std::array<Image_Spec, Abc::Count> Abc_List;
extern const std::array<Image_Spec, Ex::Count> Ex_List;
extern const std::array<Wave_Spec, Wave::Count> Wave_List;

// The number of items of a list and the catalogue entry of one item (nullptr outside it).
int Image_List_Size(Image_List list);
const Image_Spec* Find_Image_Spec(Image_List list, int index);
// The list's name as the asset folder uses it ("DXImageList1", ...).
const char* Image_List_Name(Image_List list);

}  // namespace zarvo
