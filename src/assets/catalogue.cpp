#include "assets/catalogue.h"

namespace zarvo {

const std::array<Image_Spec, Img1::Count> Image_List_1 = {{
#define ZARVO_IMAGE_1(id, name, width, height, key) {name, width, height, key},
#include "assets/catalogue_list.h"
#undef ZARVO_IMAGE_1
}};

const std::array<Image_Spec, Img2::Count> Image_List_2 = {{
#define ZARVO_IMAGE_2(id, name, width, height, key) {name, width, height, key},
#include "assets/catalogue_list.h"
#undef ZARVO_IMAGE_2
}};

const std::array<Image_Spec, Abc::Count> Abc_List = {{
#define ZARVO_ABC(id, name, width, height, key) {name, width, height, key},
#include "assets/catalogue_list.h"
#undef ZARVO_ABC
}};

const std::array<Image_Spec, Ex::Count> Ex_List = {{
#define ZARVO_EX(id, name, width, height, key) {name, width, height, key},
#include "assets/catalogue_list.h"
#undef ZARVO_EX
}};

const std::array<Wave_Spec, Wave::Count> Wave_List = {{
#define ZARVO_WAVE(id, name, rate, bits, channels, ms, role) {name, rate, bits, channels, ms, role},
#include "assets/catalogue_list.h"
#undef ZARVO_WAVE
}};
int Image_List_Size(Image_List list) {
    switch (list) {
        case Image_List::List_1:
            return Img1::Count;
        case Image_List::List_2:
            return Img2::Count;
        case Image_List::Abc:
            return Abc::Count;
        case Image_List::Ex:
            return Ex::Count;
    }
    return 0;
}

const Image_Spec* Find_Image_Spec(Image_List list, int index) {
    if (index < 0 || index >= Image_List_Size(list)) return nullptr;
    switch (list) {
        case Image_List::List_1:
            return &Image_List_1[index];
        case Image_List::List_2:
            return &Image_List_2[index];
        case Image_List::Abc:
            return &Abc_List[index];
        case Image_List::Ex:
            return &Ex_List[index];
    }
    return nullptr;
}

const char* Image_List_Name(Image_List list) {
    switch (list) {
        case Image_List::List_1:
            return "DXImageList1";
        case Image_List::List_2:
            return "DXImageList2";
        case Image_List::Abc:
            return "DXAbcList";
        case Image_List::Ex:
            return "DXExList";
    }
    return "";
}

}  // namespace zarvo
