// The help tests' requesting window, scratch files and window inspection.
#include "help_test_support.h"

#include "help_engine.h"
#include "screen.h"
#include "wait.h"

#include <array>

namespace {

constexpr char kRequesterClass[] = "HelpTestRequester";
constexpr char kHelpCaption[] = "Zodedu Help";

BOOL CALLBACK CollectHelpWindow(HWND window, LPARAM found) {
    if (TextOf(window) == kHelpCaption) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, &CountChild, count);
    return TRUE;
}

} // namespace

ScratchFolder::ScratchFolder() {
    std::array<char, MAX_PATH> temp{};
    GetTempPathA(static_cast<DWORD>(temp.size()), temp.data());
    path = std::string(temp.data()) + "help_test_" + std::to_string(GetCurrentProcessId()) + "_" +
           std::to_string(GetTickCount());
    CreateDirectoryA(path.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    for (const std::string& file : files) {
        DeleteFileA(file.c_str());
    }
    RemoveDirectoryA(path.c_str());
}

std::string ScratchFolder::Write(const std::string& name, const std::string& content) {
    const std::string file = path + "\\" + name;
    if (WriteWholeFile(file, content)) {
        files.push_back(file);
    }
    return file;
}

std::vector<HWND> HelpWindows() {
    std::vector<HWND> found;
    EnumThreadWindows(GetCurrentThreadId(), &CollectHelpWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND TextView(HWND help) { return GetWindow(help, GW_CHILD); }

std::string ViewText(HWND help) {
    const HWND view = TextView(help);
    const auto length = static_cast<std::size_t>(SendMessageA(view, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    const auto copied = static_cast<std::size_t>(
        SendMessageA(view, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    return text;
}

int CountThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

bool RichEditLoaded() { return GetModuleHandleA("riched20.dll") != nullptr; }

std::string InstalledDocument() { return BesideProgram("zodedu.HLP"); }

void HelpTest::SetUp() {
    WNDCLASSEXA requesterClass{};
    requesterClass.cbSize = sizeof requesterClass;
    if (GetClassInfoExA(GetModuleHandleA(nullptr), kRequesterClass, &requesterClass) == FALSE) {
        requesterClass.lpfnWndProc = &DefWindowProcA;
        requesterClass.hInstance = GetModuleHandleA(nullptr);
        requesterClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
        requesterClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        requesterClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        requesterClass.lpszClassName = kRequesterClass;
        ASSERT_NE(RegisterClassExA(&requesterClass), 0);
    }
    requester = CreateWindowExA(0, kRequesterClass, "Zodedu", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                150, 100, 400, 300, nullptr, nullptr, GetModuleHandleA(nullptr),
                                nullptr);
    ASSERT_NE(requester, nullptr);
    WaitUntil([&] { return GetForegroundWindow() == requester && IsPainted(requester); });
    ASSERT_TRUE(HelpWindows().empty()) << "a help window was left over from an earlier test";
}

void HelpTest::TearDown() {
    HelpEngineRequest(requester, InstalledDocument().c_str(), HELP_QUIT, 0);
    if (requester != nullptr) {
        DestroyWindow(requester);
    }
    PumpMessages();
}

bool HelpTest::Request(const std::string& path, UINT command) {
    const bool succeeded = HelpEngineRequest(requester, path.c_str(), command, 0);
    PumpMessages();
    return succeeded;
}

HWND HelpTest::OnlyHelpWindow() {
    const std::vector<HWND> windows = HelpWindows();
    EXPECT_EQ(windows.size(), 1u);
    return windows.size() == 1 ? windows.front() : nullptr;
}
