// The settings tests' entry point: GoogleTest, or the second process of the tests that
// share storage between two running programs.
#include "settings_test_support.h"

#include <cstring>

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], kSecondProcessFlag) == 0) {
        return SecondProcessMain(argv[2], argv[3]);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
