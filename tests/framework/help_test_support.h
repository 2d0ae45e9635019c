// What the help tests share: a requesting window captioned like the game's, the installed
// help document, scratch files in a folder of their own, and ways to find and read the
// help window; files.h comes with them.
#pragma once

#include "files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A folder under the temporary folder, removed with the files written into it.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path; }
    // Writes a file into the folder and returns its full path.
    std::string Write(const std::string& name, const std::string& content);

private:
    std::string path;
    std::vector<std::string> files;
};

// This thread's top-level windows captioned "Zodedu Help".
std::vector<HWND> HelpWindows();
// The RichEdit inside a help window.
HWND TextView(HWND help);
// All the text the help window shows.
std::string ViewText(HWND help);
// How many windows this thread has, top-level ones and all their children.
int CountThreadWindows();
bool RichEditLoaded();
// The document as the build installs it beside the program: zodedu.HLP.
std::string InstalledDocument();

// Each test starts with a requesting window captioned "Zodedu" and no help window, and
// ends by asking the engine to quit.
class HelpTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    bool Request(const std::string& path, UINT command = HELP_CONTENTS);
    // The one help window, or null (and a failure) when there is not exactly one.
    HWND OnlyHelpWindow();

    HWND requester = nullptr;
    ScratchFolder scratch;
};
