// Every text of the five dialogs fits its box at two pixels per dialog unit, each line as
// written (no unplanned wrapping in the About texts), and the About version block opens
// with the program's name and version.
#include "about_dialog.h"
#include "device_context.h"
#include "game_dialogs.h"
#include "program_texts.h"
#include "resource.h"
#include "screen.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

struct TextBox {
    std::string text;
    int lines;     // lines the text takes at the box's width
    int fitsLines; // lines the box has room for
};

bool IsTextStatic(HWND control) {
    return lstrcmpiA(ClassOf(control).c_str(), "Static") == 0 &&
           (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_LEFT;
}

// The text of a static control laid out as the control lays it out.
TextBox Measure(HWND control) {
    const std::string text = TextOf(control);
    RECT box{};
    GetClientRect(control, &box);
    const WindowDC dc(control);
    const Selection font(dc.Get(),
                         reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.Get(), &metrics);
    RECT needed = box;
    DrawTextA(dc.Get(), text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    return {text, (needed.bottom - needed.top) / metrics.tmHeight,
            (box.bottom - box.top) / metrics.tmHeight};
}

} // namespace

TEST(TextFitTest, EveryTextFitsItsBox) {
    for (const GameDialog& dialog : GameDialogs()) {
        ModalRun run(dialog.make);
        const HWND window = WaitForDialog(dialog.caption);
        ASSERT_NE(window, nullptr) << dialog.caption;
        RECT units{0, 0, 4, 8};
        MapDialogRect(window, &units);
        ASSERT_EQ(units.right, 8) << "the tests' display must give 2 pixels per unit";
        ASSERT_EQ(units.bottom, 16) << "the tests' display must give 2 pixels per unit";
        for (HWND control : ChildWindows(window)) {
            if (!IsTextStatic(control)) {
                continue;
            }
            const TextBox box = Measure(control);
            EXPECT_LE(box.lines, box.fitsLines) << dialog.caption << ": \"" << box.text << "\"";
        }
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(run.Result(), IDCANCEL);
    }
}

TEST(TextFitTest, AboutTextsBreakOnlyWhereWrittenAndOpenWithTheVersion) {
    ModalRun run([] { return std::make_unique<AboutDialog>(); });
    const HWND window = WaitForDialog(Caption(IDD_ABOUT));
    ASSERT_NE(window, nullptr);
    std::vector<TextBox> texts;
    for (HWND control : ChildWindows(window)) {
        if (IsTextStatic(control)) {
            texts.push_back(Measure(control));
        }
    }
    ASSERT_EQ(texts.size(), 3U); // version block, address block, distribution notice
    EXPECT_EQ(texts[0].text.rfind("Zodedu Version 1.00\n", 0), 0U) << texts[0].text;
    EXPECT_EQ(std::count(texts[1].text.begin(), texts[1].text.end(), '\n'), 3)
        << "the address block has four lines";
    for (const TextBox& box : texts) {
        const auto written = std::count(box.text.begin(), box.text.end(), '\n') + 1;
        EXPECT_EQ(box.lines, written) << box.text;
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.Result(), IDCANCEL);
}
