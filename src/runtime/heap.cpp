// Stands in for the C++ library's operator new and delete: blocks of the process heap. A
// request the heap cannot meet ends the program; there are no exceptions to throw.
#include "fatal_error.h"

#include <windows.h>

#include <new>

namespace {

void* AllocateOrFail(std::size_t size) {
    void* block = HeapAlloc(GetProcessHeap(), 0, size != 0 ? size : 1);
    if (block == nullptr) {
        FatalError("out of memory");
    }
    return block;
}

void Release(void* block) {
    if (block != nullptr) {
        HeapFree(GetProcessHeap(), 0, block);
    }
}
} // namespace

void* operator new(std::size_t size) {
    return AllocateOrFail(size);
}
void* operator new[](std::size_t size) {
    return AllocateOrFail(size);
}
void operator delete(void* block) noexcept {
    Release(block);
}
void operator delete[](void* block) noexcept {
    Release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    Release(block);
}
