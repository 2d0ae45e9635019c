// RegSetValueExA, and nothing else: see the header.
#include "registry_value_writer.h"

LONG WriteUnnamedRegistryValue(HKEY key, DWORD type, const BYTE* data, DWORD byteCount) {
    return RegSetValueExA(key, "", 0, type, data, byteCount);
}
