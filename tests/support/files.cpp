// Whole files through one read or write call each: the tests' files are small.
#include "files.h"

#include <array>

std::string WindowsFile(const std::string& name) {
    std::array<char, MAX_PATH> folder{};
    GetWindowsDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
    return std::string(folder.data()) + "\\" + name;
}

std::string BesideProgram(const std::string& name) {
    std::array<char, MAX_PATH> path{};
    GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    const std::string program(path.data());
    return program.substr(0, program.find_last_of('\\') + 1) + name;
}

bool PathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    const KernelHandle file = HoldFile(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes(GetFileSize(file.Get(), nullptr), '\0');
    DWORD read = 0;
    ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(read);
    return bytes;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    const KernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file &&
           WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) != FALSE &&
           written == bytes.size();
}

KernelHandle HoldFile(const std::string& path, DWORD share) {
    return KernelHandle(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
}
