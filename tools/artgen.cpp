// Writes the game's bitmaps and icons below the folder given (normally assets/).
#include "artwork.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen ASSETS_FOLDER\n");
        return 2;
    }
    if (!WriteAssets(argv[1], Artwork())) {
        std::fprintf(stderr, "artgen: cannot write below %s\n", argv[1]);
        return 1;
    }
    return 0;
}
