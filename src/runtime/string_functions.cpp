// Stands in for the C library's string functions that the game and the standard headers use.
#include <cstddef>

extern "C" {

std::size_t strlen(const char* text) {
    const char* end = text;
    while (*end != '\0') {
        ++end;
    }
    return static_cast<std::size_t>(end - text);
}

int strcmp(const char* left, const char* right) {
    const auto* a = reinterpret_cast<const unsigned char*>(left);
    const auto* b = reinterpret_cast<const unsigned char*>(right);
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a < *b ? -1 : (*a > *b ? 1 : 0);
}

} // extern "C"
