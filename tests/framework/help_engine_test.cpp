// The help engine's requests: contents opens one top-level window on the document, a second
// request reuses it, quit closes it, and files that cannot be shown open nothing.
#include "help_test_support.h"

#include "help_engine.h"
#include "screen.h"
#include "wait.h"

#include <commdlg.h>
#include <richedit.h>

namespace {

constexpr char kOtherDocument[] = "{\\rtf1\\ansi {\\b Second document}\\par Other text.\\par}";

// Size (twips) and boldness of the first run of the text.
struct RunFormat {
    bool found = false;
    bool bold = false;
    LONG height = 0;
};

RunFormat FormatOf(HWND view, const char* text) {
    FINDTEXTEXA find{};
    find.chrg = {0, -1};
    find.lpstrText = text;
    if (SendMessageA(view, EM_FINDTEXTEX, FR_DOWN, reinterpret_cast<LPARAM>(&find)) < 0) {
        return {};
    }
    SendMessageA(view, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&find.chrgText));
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_BOLD | CFM_SIZE;
    SendMessageA(view, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageA(view, EM_SETSEL, 0, 0);
    return {true, (format.dwEffects & CFE_BOLD) != 0, format.yHeight};
}

} // namespace

TEST_F(HelpTest, ContentsOpensAVisibleTopLevelWindowWithTheDocumentsHeadings) {
    ASSERT_TRUE(Request(InstalledDocument()));
    const HWND help = OnlyHelpWindow();
    ASSERT_NE(help, nullptr);

    EXPECT_TRUE(IsWindowVisible(help));
    EXPECT_TRUE(IsWindowEnabled(help));
    EXPECT_EQ(GetWindow(help, GW_OWNER), nullptr) << "an owned window is disabled with its owner";
    EXPECT_EQ(GetAncestor(help, GA_PARENT), GetDesktopWindow());
    const LONG style = GetWindowLongA(help, GWL_STYLE);
    EXPECT_TRUE((style & WS_THICKFRAME) != 0) << "resizable";
    EXPECT_TRUE((style & WS_MINIMIZEBOX) != 0);
    EXPECT_EQ(GetForegroundWindow(), help);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(help, WM_GETICON, ICON_BIG, 0)),
              LoadIconA(nullptr, IDI_APPLICATION))
        << "the requester's icon";

    const HWND view = TextView(help);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE((GetWindowLongA(view, GWL_STYLE) & ES_READONLY) != 0);
    EXPECT_EQ(GetFocus(), view);
    const std::string text = ViewText(help);
    EXPECT_NE(text.find("How to play"), std::string::npos) << text.substr(0, 200);
    EXPECT_EQ(text.find("\\rtf"), std::string::npos) << "rich text shown as plain text";
    EXPECT_EQ(SendMessageA(view, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "opens at the top";

    const RunFormat heading = FormatOf(view, "How to play");
    const RunFormat body = FormatOf(view, "The computer hides a code");
    ASSERT_TRUE(heading.found && body.found);
    EXPECT_TRUE(heading.bold);
    EXPECT_FALSE(body.bold);
    EXPECT_GT(heading.height, body.height);
}

TEST_F(HelpTest, ASecondContentsRequestBringsTheOneWindowForwardWithoutReading) {
    ASSERT_TRUE(Request(InstalledDocument()));
    const HWND help = OnlyHelpWindow();
    ASSERT_NE(help, nullptr);
    ShowWindow(help, SW_MINIMIZE);
    SetForegroundWindow(requester);
    PumpMessages();

    {
        // The text is already there: a locked file, named another way, is no obstacle.
        const KernelHandle lock = HoldFile(InstalledDocument());
        ASSERT_TRUE(lock);
        std::string otherSpelling = InstalledDocument();
        otherSpelling.replace(otherSpelling.rfind('\\'), 1, "\\.\\");
        otherSpelling.replace(otherSpelling.size() - 4, 4, ".hlp");
        EXPECT_TRUE(Request(otherSpelling));
    }
    EXPECT_EQ(OnlyHelpWindow(), help);
    EXPECT_FALSE(IsIconic(help));
    EXPECT_EQ(GetForegroundWindow(), help);
    EXPECT_EQ(GetFocus(), TextView(help));

    EXPECT_TRUE(Request(InstalledDocument()));
    EXPECT_EQ(HelpWindows().size(), 1u);
}

TEST_F(HelpTest, QuitClosesTheWindowUnloadsTheTextViewAndSucceedsWithNoneOpen) {
    ASSERT_TRUE(Request(InstalledDocument()));
    const HWND help = OnlyHelpWindow();
    EXPECT_TRUE(RichEditLoaded());

    EXPECT_TRUE(Request(InstalledDocument(), HELP_QUIT));
    EXPECT_FALSE(IsWindow(help));
    EXPECT_TRUE(HelpWindows().empty());
    EXPECT_FALSE(RichEditLoaded());

    EXPECT_TRUE(Request(InstalledDocument(), HELP_QUIT));
    EXPECT_TRUE(HelpEngineRequest(nullptr, nullptr, HELP_QUIT, 0));

    // A new request after the quit opens a fresh window.
    EXPECT_TRUE(Request(InstalledDocument()));
    EXPECT_EQ(HelpWindows().size(), 1u);
}

TEST_F(HelpTest, FilesThatCannotBeShownFailAndOpenNothing) {
    const std::string locked =
        scratch.Write("locked.hlp", ReadWholeFile(InstalledDocument()).value_or(""));
    const KernelHandle lock = HoldFile(locked);
    ASSERT_TRUE(lock);
    const std::string cases[] = {
        scratch.Path() + "\\missing.hlp",
        scratch.Path(),
        locked,
        scratch.Write("plain.hlp", "How to play: this is not rich text."),
        scratch.Write("empty.hlp", ""),
        "",
    };
    for (const std::string& path : cases) {
        EXPECT_FALSE(Request(path)) << path;
        EXPECT_TRUE(HelpWindows().empty()) << path;
    }
    EXPECT_FALSE(HelpEngineRequest(requester, nullptr, HELP_CONTENTS, 0));
    EXPECT_TRUE(HelpWindows().empty());
    EXPECT_FALSE(RichEditLoaded());
}

TEST_F(HelpTest, WithAWindowOpenAFailedRequestKeepsItAndAnotherFileReplacesItsText) {
    ASSERT_TRUE(Request(InstalledDocument()));
    const HWND help = OnlyHelpWindow();

    EXPECT_FALSE(Request(scratch.Path() + "\\missing.hlp"));
    ASSERT_EQ(OnlyHelpWindow(), help);
    EXPECT_NE(ViewText(help).find("How to play"), std::string::npos);

    EXPECT_TRUE(Request(scratch.Write("other.hlp", kOtherDocument)));
    ASSERT_EQ(OnlyHelpWindow(), help);
    const std::string text = ViewText(help);
    EXPECT_NE(text.find("Second document"), std::string::npos) << text;
    EXPECT_EQ(text.find("How to play"), std::string::npos) << "the old text was kept";

    EXPECT_TRUE(Request(InstalledDocument()));
    EXPECT_NE(ViewText(help).find("How to play"), std::string::npos);
}

TEST_F(HelpTest, TopicRequestsShowTheContentsAndOtherCommandsFail) {
    for (const UINT command : {HELP_SETCONTENTS, HELP_HELPONHELP, HELP_CONTEXTPOPUP,
                               HELP_SETWINPOS, HELP_WM_HELP, HELP_COMMAND}) {
        EXPECT_FALSE(Request(InstalledDocument(), command)) << command;
        EXPECT_TRUE(HelpWindows().empty()) << command;
    }
    for (const UINT command : {HELP_CONTEXT, HELP_KEY, HELP_FINDER}) {
        EXPECT_TRUE(Request(InstalledDocument(), command)) << command;
        const HWND help = OnlyHelpWindow();
        EXPECT_NE(ViewText(help).find("How to play"), std::string::npos) << command;
        EXPECT_TRUE(Request(InstalledDocument(), HELP_QUIT));
    }
}
