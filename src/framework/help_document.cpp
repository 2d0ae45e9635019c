// Reading a help document: checks on what kind of file it is, and the rich text signature.
#include "help_document.h"

#include "win32_handles.h"

#include <windows.h>

#include <array>

namespace {

// A help document larger than this is not one of ours; reading it whole would be unwise.
constexpr DWORD kMaxDocumentBytes = 8 * 1024 * 1024;
constexpr char kRichTextSignature[] = "{\\rtf";

KernelHandle OpenForReading(const std::string& path) {
    return KernelHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

// Only a file on disk: a device or a pipe could keep a read waiting for ever.
bool IsPlainDiskFile(HANDLE file) {
    if (GetFileType(file) != FILE_TYPE_DISK) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    return GetFileInformationByHandle(file, &information) != FALSE &&
           (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace

std::optional<std::string> ReadHelpDocument(const std::string& path) {
    if (path.empty()) {
        return std::nullopt;
    }
    const KernelHandle file = OpenForReading(path);
    if (!file || !IsPlainDiskFile(file.Get())) {
        return std::nullopt;
    }
    // GetFileSize, not GetFileSizeEx: Windows 95 and NT 4.0 lack the latter.
    DWORD high = 0;
    SetLastError(NO_ERROR);
    const DWORD low = GetFileSize(file.Get(), &high);
    if ((low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) || high != 0 ||
        low > kMaxDocumentBytes) {
        return std::nullopt;
    }
    std::string document(low, '\0');
    std::size_t filled = 0;
    while (filled < document.size()) {
        DWORD read = 0;
        if (ReadFile(file.Get(), document.data() + filled,
                     static_cast<DWORD>(document.size() - filled), &read, nullptr) == FALSE) {
            return std::nullopt;
        }
        if (read == 0) {
            break; // the file became shorter while being read
        }
        filled += read;
    }
    document.resize(filled);
    if (document.rfind(kRichTextSignature, 0) != 0) {
        return std::nullopt;
    }
    return document;
}

std::string FullHelpPath(const std::string& path) {
    std::array<char, MAX_PATH> full{};
    const DWORD length = GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()),
                                          full.data(), nullptr);
    if (length == 0 || length >= full.size()) {
        return path;
    }
    return std::string(full.data(), length);
}

bool SameHelpPath(const std::string& first, const std::string& second) {
    return lstrcmpiA(first.c_str(), second.c_str()) == 0;
}
