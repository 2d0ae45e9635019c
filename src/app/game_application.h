// GameApplication: sets the dialog colours, runs the main window as the program's one
// modal window, and answers the help command.
#pragma once

#include "win_app.h"

class GameApplication : public CWinApp {
public:
    GameApplication() = default;
    ~GameApplication() override = default;

protected:
    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageMap messageMap;
    static const MessageEntry messageEntries[];

    bool InitInstance() override;

private:
    void OnAppHelp();
};
