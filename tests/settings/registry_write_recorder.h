// Stands in for the store's registry writer in the settings tests: every write is recorded with
// exactly the bytes handed over, then made as the writer would make it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct RecordedRegistryWrite {
    DWORD type;
    std::string bytes; // as many as the byte count said, NULs included
    bool operator==(const RecordedRegistryWrite&) const = default;
};

std::vector<RecordedRegistryWrite> RecordedRegistryWrites();
void ClearRecordedRegistryWrites();
