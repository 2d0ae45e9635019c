// The help engine: requests in the manner of the system's help call, answered with the help
// window. The document has one topic, so every request for a topic shows the contents.
#include "help_engine.h"

#include "help_document.h"
#include "help_window.h"

#include <array>
#include <string>

namespace {

// "Zodedu Help" for a window captioned "Zodedu".
std::string HelpCaption(HWND window) {
    std::array<char, 256> title{};
    if (window != nullptr) {
        GetWindowTextA(window, title.data(), static_cast<int>(title.size()));
    }
    return title[0] != '\0' ? std::string(title.data()) + " Help" : std::string("Help");
}

// The requesting window's class icon, so that the help window is seen to belong to it.
HICON RequesterIcon(HWND window) {
    return window != nullptr ? reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON))
                             : nullptr;
}

bool ShowContents(HWND window, const char* helpFile) {
    if (helpFile == nullptr || *helpFile == '\0') {
        return false;
    }
    const std::string path = FullHelpPath(helpFile);
    HelpWindow* open = HelpWindow::Open();
    if (open != nullptr && SameHelpPath(open->Source(), path)) {
        open->BringForward();
        return true;
    }
    const std::optional<std::string> document = ReadHelpDocument(path);
    if (!document) {
        return false;
    }
    if (open == nullptr) {
        return HelpWindow::Create(HelpCaption(window), RequesterIcon(window), path, *document) !=
               nullptr;
    }
    if (!open->Replace(path, *document)) {
        open->Close();
        return false;
    }
    open->BringForward();
    return true;
}

} // namespace

bool HelpEngineRequest(HWND window, const char* helpFile, UINT command, ULONG_PTR) {
    switch (command) {
    case HELP_QUIT:
        if (HelpWindow* open = HelpWindow::Open(); open != nullptr) {
            open->Close();
        }
        return true;
    case HELP_CONTENTS:
    case HELP_CONTEXT:
    case HELP_KEY:
    case HELP_PARTIALKEY:
    case HELP_FINDER:
    case HELP_FORCEFILE:
        return ShowContents(window, helpFile);
    default:
        return false;
    }
}
