// Stands in for the C library's memory functions, which the compiler calls for copies, fills,
// comparisons and searches of its own making and the standard headers'. Built so that the compiler
// cannot turn these loops back into calls to themselves.
#include <cstddef>

extern "C" {

void* memcpy(void* destination, const void* source, std::size_t count) {
    auto* to = static_cast<unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    while (count-- != 0) {
        *to++ = *from++;
    }
    return destination;
}

void* memmove(void* destination, const void* source, std::size_t count) {
    auto* to = static_cast<unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    if (to <= from) {
        return memcpy(destination, source, count);
    }
    while (count-- != 0) {
        to[count] = from[count];
    }
    return destination;
}

void* memset(void* destination, int value, std::size_t count) {
    auto* to = static_cast<unsigned char*>(destination);
    while (count-- != 0) {
        *to++ = static_cast<unsigned char>(value);
    }
    return destination;
}

int memcmp(const void* left, const void* right, std::size_t count) {
    const auto* a = static_cast<const unsigned char*>(left);
    const auto* b = static_cast<const unsigned char*>(right);
    for (; count != 0; --count, ++a, ++b) {
        if (*a != *b) {
            return *a < *b ? -1 : 1;
        }
    }
    return 0;
}

void* memchr(const void* block, int value, std::size_t count) {
    const auto* byte = static_cast<const unsigned char*>(block);
    for (; count != 0; --count, ++byte) {
        if (*byte == static_cast<unsigned char>(value)) {
            return const_cast<unsigned char*>(byte);
        }
    }
    return nullptr;
}

} // extern "C"
