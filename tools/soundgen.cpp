// Writes the four sound effects below the folder given (normally assets/).
#include "sounds.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen ASSETS_FOLDER\n");
        return 2;
    }
    if (!WriteAssets(argv[1], Sounds())) {
        std::fprintf(stderr, "soundgen: cannot write below %s\n", argv[1]);
        return 1;
    }
    return 0;
}
