// Placeholder until the art is drawn: writes nothing yet.
#include <cstdio>
int main(int argc, char**) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: zarvo_assetgen OUTPUT_DIR\n");
        return 2;
    }
    return 0;
}
