// The help window as a window: keys of a reader, resizing, life beside a modal dialog of
// another window, and nothing left behind over many openings and closings.
#include "help_test_support.h"

#include "help_engine.h"
#include "help_window.h"
#include "screen.h"
#include "wait.h"

#include <richedit.h>

#include <array>
#include <vector>

namespace {

void Press(HWND target, WPARAM key) {
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    PumpMessages();
}

LRESULT FirstVisibleLine(HWND view) { return SendMessageA(view, EM_GETFIRSTVISIBLELINE, 0, 0); }

// A dialog template with a caption and no controls, owned by whatever window runs it.
std::vector<WORD> EmptyDialogTemplate() {
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    std::vector<WORD> words = {LOWORD(style), HIWORD(style), 0, 0, 0, 10, 10, 120, 40, 0, 0};
    for (const char letter : "Modal") {
        words.push_back(static_cast<WORD>(letter));
    }
    return words;
}

// What a modal dialog of the requesting window sees of the help window, one step per timer
// tick, so that every step runs inside the dialog's own message loop.
struct ModalVisit {
    HWND requester = nullptr;
    std::string document;
    HWND help = nullptr;
    int step = 0;
    bool requesterDisabled = false;
    bool helpEnabled = false;
    LRESULT lineAfterPageDown = 0;
    bool closedByEscape = false;
    bool reopened = false;
    bool reopenedEnabled = false;

    void Step(HWND dialog) {
        switch (step++) {
        case 0:
            requesterDisabled = !IsWindowEnabled(requester);
            helpEnabled = IsWindowEnabled(help);
            SetForegroundWindow(help);
            PostMessageA(TextView(help), WM_KEYDOWN, VK_NEXT, 1);
            break;
        case 1:
            lineAfterPageDown = FirstVisibleLine(TextView(help));
            PostMessageA(TextView(help), WM_KEYDOWN, VK_ESCAPE, 1);
            break;
        case 2: {
            closedByEscape = !IsWindow(help);
            reopened = HelpEngineRequest(requester, document.c_str(), HELP_CONTENTS, 0);
            const std::vector<HWND> windows = HelpWindows();
            reopenedEnabled = windows.size() == 1 && IsWindowEnabled(windows.front());
            break;
        }
        default:
            EndDialog(dialog, IDOK);
            break;
        }
    }
};

INT_PTR CALLBACK ModalVisitProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        SetTimer(dialog, 1, 100, nullptr);
        return TRUE;
    case WM_TIMER:
        reinterpret_cast<ModalVisit*>(GetWindowLongPtrA(dialog, DWLP_USER))->Step(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

// Some Windows 95 and NT 4.0 machines have no RichEdit 2.0: there RichEdit 1.0 shows the text,
// and only where neither is there does help fail.
TEST_F(HelpTest, WithoutRichEdit20TheTextIsShownByRichEdit10AndWithoutEitherNothingOpens) {
    const std::string document = ReadWholeFile(InstalledDocument()).value_or("");
    const RichEditVersion withoutVersion2[] = {{"riched20-absent.dll", RICHEDIT_CLASSA},
                                               kRichEditVersions[1]};
    HelpWindow* help =
        HelpWindow::Create("Zodedu Help", nullptr, InstalledDocument(), document, withoutVersion2);
    ASSERT_NE(help, nullptr);
    std::array<char, 32> viewClass{};
    GetClassNameA(help->TextView(), viewClass.data(), static_cast<int>(viewClass.size()));
    EXPECT_EQ(lstrcmpiA(viewClass.data(), "RICHEDIT"), 0) << viewClass.data();
    EXPECT_NE(ViewText(help->Handle()).find("How to play"), std::string::npos);
    help->Close();
    EXPECT_EQ(HelpWindow::Open(), nullptr);

    const RichEditVersion neither[] = {{"riched20-absent.dll", RICHEDIT_CLASSA},
                                       {"riched32-absent.dll", "RICHEDIT"}};
    EXPECT_EQ(HelpWindow::Create("Zodedu Help", nullptr, InstalledDocument(), document, neither),
              nullptr);
    EXPECT_TRUE(HelpWindows().empty());
}

} // namespace

TEST_F(HelpTest, TheMovementKeysScrollTheTextAndEscapeClosesTheWindow) {
    ASSERT_TRUE(Request(InstalledDocument()));
    const HWND help = OnlyHelpWindow();
    const HWND view = TextView(help);
    ASSERT_EQ(GetFocus(), view);

    Press(view, VK_NEXT);
    const LRESULT afterPage = FirstVisibleLine(view);
    EXPECT_GT(afterPage, 3);
    Press(view, VK_DOWN);
    EXPECT_GT(FirstVisibleLine(view), afterPage);
    Press(view, VK_UP);
    EXPECT_EQ(FirstVisibleLine(view), afterPage);
    Press(view, VK_END);
    const LRESULT atEnd = FirstVisibleLine(view);
    EXPECT_GT(atEnd, afterPage);
    Press(view, VK_PRIOR);
    EXPECT_LT(FirstVisibleLine(view), atEnd);
    Press(view, VK_HOME);
    EXPECT_EQ(FirstVisibleLine(view), 0);
    EXPECT_TRUE(IsWindow(help));

    Press(view, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([help] { return !IsWindow(help); }));
    EXPECT_FALSE(RichEditLoaded());
    EXPECT_TRUE(IsWindow(requester)) << "closing help closes nothing else";

    EXPECT_TRUE(Request(InstalledDocument()));
    EXPECT_EQ(HelpWindows().size(), 1u);
}

TEST_F(HelpTest, TheTextFillsTheWindowAsItIsResized) {
    ASSERT_TRUE(Request(InstalledDocument()));
    const HWND help = OnlyHelpWindow();
    for (const SIZE size : {SIZE{300, 250}, SIZE{640, 500}}) {
        SetWindowPos(help, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        PumpMessages();
        RECT client{}, view{};
        GetClientRect(help, &client);
        GetWindowRect(TextView(help), &view);
        MapWindowPoints(nullptr, help, reinterpret_cast<POINT*>(&view), 2);
        EXPECT_TRUE(EqualRect(&view, &client))
            << size.cx << "x" << size.cy << ": text " << view.left << "," << view.top << "-"
            << view.right << "," << view.bottom << " in " << client.right << "x" << client.bottom;
    }
}

TEST_F(HelpTest, TheWindowStaysUsableWhileAModalDialogOfTheRequesterRuns) {
    ASSERT_TRUE(Request(InstalledDocument()));
    ModalVisit visit;
    visit.requester = requester;
    visit.document = InstalledDocument();
    visit.help = OnlyHelpWindow();
    const std::vector<WORD> dialogTemplate = EmptyDialogTemplate();

    const INT_PTR result = DialogBoxIndirectParamA(
        GetModuleHandleA(nullptr), reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
        requester, &ModalVisitProc, reinterpret_cast<LPARAM>(&visit));

    ASSERT_EQ(result, IDOK);
    EXPECT_TRUE(visit.requesterDisabled) << "the dialog was not modal to its owner";
    EXPECT_TRUE(visit.helpEnabled);
    EXPECT_GT(visit.lineAfterPageDown, 0) << "keys did not reach the help window";
    EXPECT_TRUE(visit.closedByEscape);
    EXPECT_TRUE(visit.reopened);
    EXPECT_TRUE(visit.reopenedEnabled);
    EXPECT_TRUE(IsWindowEnabled(requester));
    EXPECT_EQ(HelpWindows().size(), 1u) << "the help window outlives the dialog";
}

TEST_F(HelpTest, ManyOpeningsAndClosingsLeaveNoWindowGdiObjectOrFileHandleBehind) {
    // One round first: a thread keeps some helpers of its own (input method windows and the
    // like) from the first time it shows a window with the focus.
    ASSERT_TRUE(Request(InstalledDocument()));
    ASSERT_TRUE(Request(InstalledDocument(), HELP_QUIT));
    const std::string other = scratch.Write("other.hlp", "{\\rtf1 Other document.\\par}");
    const int windows = CountThreadWindows();
    const int gdiObjects = CountGdiObjects();

    for (int round = 0; round < 30; ++round) {
        ASSERT_TRUE(Request(InstalledDocument())) << round;
        const HWND help = OnlyHelpWindow();
        ASSERT_NE(help, nullptr);
        switch (round % 3) {
        case 0:
            EXPECT_TRUE(Request(InstalledDocument(), HELP_QUIT));
            break;
        case 1:
            Press(TextView(help), VK_ESCAPE);
            break;
        default:
            EXPECT_TRUE(Request(other));
            SendMessageA(help, WM_CLOSE, 0, 0);
            break;
        }
        ASSERT_TRUE(WaitUntil([help] { return !IsWindow(help); })) << round;
    }

    EXPECT_EQ(CountThreadWindows(), windows);
    EXPECT_EQ(CountGdiObjects(), gdiObjects);
    EXPECT_FALSE(RichEditLoaded());
    EXPECT_TRUE(HoldFile(InstalledDocument())) << "the help file is still held open";
}
