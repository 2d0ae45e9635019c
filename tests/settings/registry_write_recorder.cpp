// Linked into the test program in place of the library's writer.
#include "registry_write_recorder.h"

#include "registry_value_writer.h"

namespace {

std::vector<RecordedRegistryWrite> writes;

} // namespace

LONG WriteUnnamedRegistryValue(HKEY key, DWORD type, const BYTE* data, DWORD byteCount) {
    writes.push_back({type, std::string(reinterpret_cast<const char*>(data), byteCount)});
    return RegSetValueExA(key, "", 0, type, data, byteCount);
}

std::vector<RecordedRegistryWrite> RecordedRegistryWrites() { return writes; }

void ClearRecordedRegistryWrites() { writes.clear(); }
