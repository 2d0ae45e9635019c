// The one application object, built before the framework's start-up runs. When the main
// window's modal run ends, so does the program: there is no message loop of its own.
#include "game_application.h"

#include "framework_resource.h"
#include "main_window.h"

#include <iterator>

namespace {
constexpr COLORREF kDialogSurface = RGB(192, 192, 192);
constexpr COLORREF kDialogText = RGB(0, 0, 0);
} // namespace

const MessageEntry GameApplication::messageEntries[] = {
    OnCommand(BN_CLICKED, ID_HELP_COMMAND, Handler<&GameApplication::OnAppHelp>),
};
const MessageMap GameApplication::messageMap = {&CWinApp::messageMap, messageEntries,
                                                std::size(messageEntries)};

GameApplication theApplication;

bool GameApplication::InitInstance() {
    SetDialogColours(kDialogSurface, kDialogText);
    MainWindow mainWindowObject;
    mainWindow = &mainWindowObject;
    mainWindowObject.DoModal();
    mainWindow = nullptr;
    return false;
}

void GameApplication::OnAppHelp() { WinHelp(0, HELP_CONTENTS); }
