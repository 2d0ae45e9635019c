// CWinApp: the one application object. It derives the program's names from its path,
// gives access to the profile file, knows the main window, and runs InitInstance.
#pragma once

#include "message_map.h"
#include "module_names.h"

#include <windows.h>

#include <optional>
#include <string>

class CDialog;

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The application object, or null when there is none.
    static CWinApp* Current();

    // The framework's run: start-up, then InitInstance. No message loop follows, whatever
    // InitInstance answers: the program's windows run modally. Returns the exit status.
    int Run();
    // Starts the framework's services.
    void StartUp();

    // The names derived from the executable's path, at their first use: the executable name
    // costs comdlg32, which only the message box caption and the profile file need.
    const ModuleNames& Names() const;
    // The help file path, which needs the module path alone.
    std::string HelpFilePath() const;

    // The profile file (the profile file name, in the Windows directory).
    std::string GetProfileString(const char* section, const char* entry,
                                 const char* defaultValue) const;
    void WriteProfileString(const char* section, const char* entry, const char* value) const;

    // Help through the main window's help operation.
    void WinHelp(ULONG_PTR data, UINT command);

    // A message box with a string resource, captioned with the application name, owned
    // by the main window's last active pop-up.
    int ShowMessageBox(UINT stringId, UINT type);

    HWND MainWindowHandle() const;

    CDialog* mainWindow = nullptr;

protected:
    // The surface and text colours of every dialog and message box of the program.
    void SetDialogColours(COLORREF background, COLORREF text);

    // Returns whether to run a message loop; this program never does.
    virtual bool InitInstance() { return false; }

private:
    static std::string ModulePath();

    mutable std::optional<ModuleNames> names;
};
