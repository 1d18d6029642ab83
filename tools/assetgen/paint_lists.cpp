// Which painter draws which item of each list.
#include "font.h"
#include "painters.h"

namespace assetgen {

namespace {

using namespace zarvo;

bool Between(int index, int first, int last) {
    return index >= first && index <= last;
}

Image Paint_List_1(int index, uint32_t seed) {
    if (index == Img1::Kachel) return Paint_Kachel(seed);
    if (Between(index, Img1::Kachel_DownLeft, Img1::Kachel_UpLeft))
        return Paint_Edge_Piece(index, seed);
    if (Between(index, Img1::Ego_No, Img1::Ego_Right_4) || index == Img1::Ego_No_White)
        return Paint_Ego(index);
    if (Between(index, Img1::Ego_Fire_Up, Img1::Ego_Fire_Down_Right)) return Paint_Ego_Fire(index);
    if (index == Img1::Pilot || index == Img1::Pilot_Shadow) return Paint_Pilot(index);
    if (index == Img1::Pyr_1 || index == Img1::Blaster ||
        Between(index, Img1::Blaster_Blocker, Img1::Blaster_Blocker_Flame_2))
        return Paint_Hazard(index, seed);
    if (Between(index, Img1::Blaster_Blocker_Ex_1, Img1::Pilot_Ex_9))
        return Paint_Blast_1(index, seed);
    if (Between(index, Img1::Boxer, Img1::Boxer_Shadow) ||
        Between(index, Img1::Clipper, Img1::Clipper_Down_Top) ||
        Between(index, Img1::Bombe, Img1::Bombe_Shadow))
        return Paint_Enemy_1(index, seed);
    return Paint_Icon(index, seed);
}

Image Paint_List_2(int index, uint32_t seed) {
    if (Between(index, Img2::Flame_Right, Img2::Bomb_Ex_14) ||
        Between(index, Img2::Blast_Thunder_Right_1, Img2::Blast_Thunder_Down_7))
        return Paint_Blast_2(index, seed);
    if (Between(index, Img2::Monster_Down_1, Img2::Monster_Right_Fly_3))
        return Paint_Monster(index);
    if (Between(index, Img2::Sponsor, Img2::Game_Over) || index == Img2::CodeWord ||
        index == Img2::Watch_Mark || index == Img2::Board_Mark)
        return Paint_Screen(index, seed);
    return Paint_Enemy_2(index, seed);
}

// The character each glyph of the alphabet shows.
char Alphabet_Character(int index) {
    if (index == Abc::At) return '@';
    if (Between(index, Abc::A, Abc::Z)) return static_cast<char>('A' + index - Abc::A);
    if (index == Abc::Gleich) return '=';
    if (index == Abc::Mal) return '*';
    if (index == Abc::Punkt) return '.';
    if (index == Abc::Doppelpunkt) return ':';
    return static_cast<char>('0' + index - Abc::Digit_0);
}

}  // namespace

Image Paint_Item(Image_List list, int index, uint32_t seed) {
    switch (list) {
        case Image_List::List_1:
            return Paint_List_1(index, seed);
        case Image_List::List_2:
            return Paint_List_2(index, seed);
        case Image_List::Abc: {
            const Image_Spec& entry = Abc_List[static_cast<size_t>(index)];
            return Alphabet_Glyph(Alphabet_Character(index), entry.Height, entry.Key);
        }
        case Image_List::Ex:
            return Paint_Big_Blast(index, seed);
    }
    return Image{};
}

}  // namespace assetgen
