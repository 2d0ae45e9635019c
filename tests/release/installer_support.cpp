// Files, registry, shortcuts, processes and dialogs, for the installer tests.
#include "installer_support.h"

#include "program_process.h"
#include "screen.h"

#include <objidl.h>
#include <shlobj.h>

#include <array>

namespace {

// One COM interface pointer, released when it goes.
template <typename Interface> class ComPointer {
public:
    ComPointer() = default;
    ~ComPointer() {
        if (pointer != nullptr) {
            pointer->Release();
        }
    }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;

    Interface* operator->() const { return pointer; }
    Interface* Get() const { return pointer; }
    void** Out() { return reinterpret_cast<void**>(&pointer); }

private:
    Interface* pointer = nullptr;
};

class ComApartment {
public:
    ComApartment() : ready(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComApartment() {
        if (ready) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool ready;
};

struct ControlSearch {
    const char* textStart;
    bool found = false;
};

BOOL CALLBACK MatchControl(HWND control, LPARAM lParam) {
    auto* search = reinterpret_cast<ControlSearch*>(lParam);
    search->found = TextOf(control).starts_with(search->textStart);
    return !search->found;
}

} // namespace

std::string BesideTest(const char* relative) {
    std::array<char, MAX_PATH> full{};
    GetFullPathNameA(BesideProgram(relative).c_str(), static_cast<DWORD>(full.size()),
                     full.data(), nullptr);
    return full.data();
}

std::string ShellFolder(int csidl) {
    std::array<char, MAX_PATH> folder{};
    if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder.data()))) {
        return {};
    }
    return folder.data();
}

bool SamePath(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::optional<ShortcutTarget> ReadShortcut(const std::string& linkPath) {
    const ComApartment apartment;
    ComPointer<IShellLinkA> link;
    ComPointer<IPersistFile> file;
    std::array<wchar_t, MAX_PATH> widePath{};
    MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath.data(),
                        static_cast<int>(widePath.size()));
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.Out())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, file.Out())) ||
        FAILED(file->Load(widePath.data(), STGM_READ))) {
        return std::nullopt;
    }
    std::array<char, MAX_PATH> target{};
    std::array<char, MAX_PATH> folder{};
    if (FAILED(link->GetPath(target.data(), static_cast<int>(target.size()), nullptr, 0)) ||
        FAILED(link->GetWorkingDirectory(folder.data(), static_cast<int>(folder.size())))) {
        return std::nullopt;
    }
    return ShortcutTarget{target.data(), folder.data()};
}

std::optional<DWORD> RunAndWait(const std::string& commandLine, DWORD timeoutMs) {
    const ProgramProcess program(commandLine);
    DWORD exitCode = 0;
    if (!program.WaitForExit(exitCode, timeoutMs)) {
        return std::nullopt;
    }
    return exitCode;
}

HWND FindDialog(const char* caption, const char* textStart) {
    // NSIS ends its captions with a space.
    for (const std::string& shown : {std::string(caption), std::string(caption) + " "}) {
        for (const HWND dialog : VisibleDialogs(shown)) {
            ControlSearch search{textStart};
            EnumChildWindows(dialog, MatchControl, reinterpret_cast<LPARAM>(&search));
            if (search.found) {
                return dialog;
            }
        }
    }
    return nullptr;
}

void EndProgramsShowing(const char* caption) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        const HWND dialog = FindDialog(caption, "");
        if (dialog == nullptr) {
            return;
        }
        DWORD processId = 0;
        GetWindowThreadProcessId(dialog, &processId);
        const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
        if (process != nullptr) {
            TerminateProcess(process, 99);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
}
