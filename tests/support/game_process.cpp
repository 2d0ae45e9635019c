// The game's folder is made under the temporary folder; its main window is the dialog
// captioned with the program's name.
#include "game_process.h"

#include "files.h"
#include "input.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <array>

GameFolder::GameFolder(const std::string& exeName, const std::string& helpName)
    : exeName(exeName) {
    std::array<char, MAX_PATH> temp{};
    GetTempPathA(static_cast<DWORD>(temp.size()), temp.data());
    static int serial = 0;
    path = std::string(temp.data()) + "zodedu-e2e-" + std::to_string(GetCurrentProcessId()) +
           "-" + std::to_string(++serial);
    CreateDirectoryA(path.c_str(), nullptr);
    const std::string game = BesideProgram("game\\");
    Copy(game + "zodedu.exe", exeName);
    for (const char* wave : {"first.wav", "last.wav", "win.wav", "lose.wav"}) {
        Copy(game + wave, wave);
    }
    if (!helpName.empty()) {
        Copy(game + "zodedu.HLP", helpName);
    }
}

GameFolder::~GameFolder() {
    for (const std::string& file : files) {
        DeleteFileA(file.c_str());
    }
    RemoveDirectoryA(path.c_str());
}

void GameFolder::Copy(const std::string& from, const std::string& to) {
    const std::string target = path + "\\" + to;
    EXPECT_TRUE(CopyFileA(from.c_str(), target.c_str(), FALSE)) << from;
    files.push_back(target);
}

GameProcess::GameProcess(const std::string& exePath) : program(Quoted(exePath)) {
    if (!program.Started()) {
        ADD_FAILURE() << "cannot start " << exePath << ": error " << program.StartError();
        return;
    }
    mainWindow = program.WaitForWindow("#32770", "Zodedu", 10000);
}

void ConfirmDialog(const GameProcess& game, int button, const std::function<void(HWND)>& before) {
    PostMessageA(game.Item(button), BM_CLICK, 0, 0);
    const HWND dialog = game.WaitForWindow("#32770", nullptr);
    ASSERT_NE(dialog, nullptr);
    if (before) {
        before(dialog);
    }
    PressDialogButton(dialog, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
}
