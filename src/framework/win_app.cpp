// CWinApp: names, profile access, message boxes and the run of the application.
#include "win_app.h"

#include "dialog.h"
#include "dialog_colours.h"
#include "loaded_module.h"
#include "message_filter.h"
#include "modal_owner.h"

#include <commdlg.h>

#include <array>

namespace {

CWinApp* currentApp = nullptr;

// The one function the program takes from comdlg32. Linked in, that library would keep the
// shell and the print spooler in the process for its whole run; loaded for this call, they go
// again after it (under Wine the spooler's Unix libraries stay, some 4 MB). So it is made only
// when a name that needs it is first asked for.
bool FileTitle(const std::string& path, std::array<char, MAX_PATH>& title) {
    const LoadedModule commonDialogs("comdlg32.dll");
    const auto getFileTitle = commonDialogs.Procedure<decltype(&GetFileTitleA)>("GetFileTitleA");
    return getFileTitle != nullptr &&
           getFileTitle(path.c_str(), title.data(), static_cast<WORD>(title.size())) == 0;
}

} // namespace

CWinApp::CWinApp() { currentApp = this; }

CWinApp::~CWinApp() {
    if (currentApp == this) {
        currentApp = nullptr;
    }
}

CWinApp* CWinApp::Current() { return currentApp; }

void CWinApp::StartUp() {
    WatchModalLoops([] { return currentApp != nullptr ? currentApp->mainWindow : nullptr; });
}

std::string CWinApp::ModulePath() {
    std::array<char, MAX_PATH> path{};
    GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return path.data();
}

const ModuleNames& CWinApp::Names() const {
    if (!names) {
        const std::string modulePath = ModulePath();
        std::array<char, MAX_PATH> title{};
        const bool titled = FileTitle(DeriveModuleNames(modulePath, std::nullopt).basePath, title);
        names = DeriveModuleNames(modulePath,
                                  titled ? std::optional<std::string>(title.data()) : std::nullopt);
    }
    return *names;
}

std::string CWinApp::HelpFilePath() const {
    return DeriveModuleNames(ModulePath(), std::nullopt).helpFilePath;
}

void CWinApp::SetDialogColours(COLORREF background, COLORREF text) {
    ::SetDialogColours(background, text);
}

int CWinApp::Run() {
    StartUp();
    InitInstance();
    return 0;
}

std::string CWinApp::GetProfileString(const char* section, const char* entry,
                                      const char* defaultValue) const {
    std::array<char, MAX_PATH> text{};
    GetPrivateProfileStringA(section, entry, defaultValue, text.data(),
                             static_cast<DWORD>(text.size()), Names().profileFileName.c_str());
    return text.data();
}

void CWinApp::WriteProfileString(const char* section, const char* entry,
                                 const char* value) const {
    WritePrivateProfileStringA(section, entry, value, Names().profileFileName.c_str());
}

void CWinApp::WinHelp(ULONG_PTR data, UINT command) {
    if (mainWindow != nullptr) {
        mainWindow->WinHelp(data, command);
    }
}

HWND CWinApp::MainWindowHandle() const {
    return mainWindow != nullptr ? mainWindow->Handle() : nullptr;
}

int CWinApp::ShowMessageBox(UINT stringId, UINT type) {
    std::array<char, 256> text{};
    LoadStringA(GetModuleHandleA(nullptr), stringId, text.data(), static_cast<int>(text.size()));
    const ModalOwner owner;
    const PlatformDialogColours colours;
    return MessageBoxA(owner.Handle(), text.data(), Names().applicationName.c_str(), type);
}
