// The lose dialog's pegs on the screen: the code's colours in code order from each anchor's
// corner, a repeated colour twice, and all four back after anything wiped them.
#include "lose_dialog.h"

#include "modal_dialog_test.h"
#include "program_texts.h"
#include "resource.h"
#include "screen.h"
#include "stored_settings.h"
#include "thread_of_window.h"
#include "wait.h"

#include <gtest/gtest.h>

namespace {

constexpr int kPegSize = 25;

class LoseDialogTest : public ModalDialogTest {
protected:
    void SetUp() override {
        ModalDialogTest::SetUp();
        Open([this] { return std::make_unique<LoseDialog>(code); }, Caption(IDD_LOSE));
    }

    POINT PegCorner(int position) const {
        POINT corner{0, 0};
        ClientToScreen(GetDlgItem(dialog, IDC_CODE_PEG_FIRST + position), &corner);
        return corner;
    }
    Pixels PegOnScreen(int position) const {
        return CaptureScreen(PegCorner(position), kPegSize, kPegSize);
    }
    static Pixels PegPicture(int colour) {
        return BitmapPixels(MAKEINTRESOURCEA(IDB_PEG_FIRST + colour));
    }
    bool ShowsCode() const {
        for (int position = 0; position < PEG_COUNT; ++position) {
            if (PegOnScreen(position) != PegPicture(code[static_cast<std::size_t>(position)])) {
                return false;
            }
        }
        return true;
    }

    // Green, red, green, magenta: a repeated colour, and no two neighbours alike.
    std::array<ColourIndex, PEG_COUNT> code{2, 0, 2, 5};
};

} // namespace

TEST_F(LoseDialogTest, ShowsTheCodeInCodeOrderWithARepeatedColourTwice) {
    ASSERT_TRUE(WaitUntil([&] { return ShowsCode(); }))
        << "first peg: " << testing::PrintToString(PegOnScreen(0));
    EXPECT_EQ(PegOnScreen(0), PegOnScreen(2));
    EXPECT_NE(PegOnScreen(0), PegOnScreen(1));
    // The anchors are 13 dialog units apart, so the 25-pixel pegs never touch.
    for (int position = 1; position < PEG_COUNT; ++position) {
        EXPECT_EQ(PegCorner(position).x - PegCorner(position - 1).x, 26);
        EXPECT_EQ(PegCorner(position).y, PegCorner(0).y);
    }
}

TEST_F(LoseDialogTest, PegsComeBackAfterAWindowCoveredThem) {
    ASSERT_TRUE(WaitUntil([&] { return ShowsCode(); }));
    const POINT corner = PegCorner(0);
    WNDCLASSA coverClass{};
    coverClass.lpfnWndProc = DefWindowProcA;
    coverClass.hInstance = GetModuleHandleA(nullptr);
    coverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    coverClass.lpszClassName = "LoseDialogTestCover";
    RegisterClassA(&coverClass);
    // The cover is the dialog thread's, so that the screen is read on that one thread.
    HWND cover = nullptr;
    ASSERT_TRUE(RunOnThreadOf(dialog, [&] {
        cover = CreateWindowExA(WS_EX_TOPMOST, coverClass.lpszClassName, "", WS_POPUP,
                                corner.x - 10, corner.y - 10, 4 * 26 + 20, kPegSize + 20, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        ShowWindow(cover, SW_SHOWNOACTIVATE);
        UpdateWindow(cover);
    }));
    ASSERT_NE(cover, nullptr);
    EXPECT_TRUE(WaitUntil([&] {
        return PegOnScreen(1) == Filled(kPegSize, kPegSize, RGB(0, 0, 0));
    })) << "the cover must really hide the pegs";
    RunOnThreadOf(cover, [&] { DestroyWindow(cover); });
    EXPECT_TRUE(WaitUntil([&] { return ShowsCode(); }));
}

TEST_F(LoseDialogTest, PegsComeBackAfterTheDialogWasDraggedPartlyOffTheScreenAndBack) {
    ASSERT_TRUE(WaitUntil([&] { return ShowsCode(); }));
    RECT rect{};
    GetWindowRect(dialog, &rect);
    const POINT corner = PegCorner(0);
    const Pixels firstPeg = PegOnScreen(0);
    // Far enough left that every peg is off the screen, then back where it was.
    SetWindowPos(dialog, nullptr, rect.left - (corner.x + 4 * 26 + 10), rect.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(WaitUntil([&] { return CaptureScreen(corner, kPegSize, kPegSize) != firstPeg; }))
        << "the pegs have left their place on the screen";
    SetWindowPos(dialog, nullptr, rect.left, rect.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil([&] { return ShowsCode(); }));
}

TEST_F(LoseDialogTest, EveryPaintDrawsThePegsAgain) {
    ASSERT_TRUE(WaitUntil([&] { return ShowsCode(); }));
    const POINT corner = PegCorner(0);
    RECT inDialog{corner.x, corner.y, corner.x + 4 * 26, corner.y + kPegSize};
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&inDialog), 2);
    for (int round = 0; round < 3; ++round) {
        // Scribble over the pegs behind the dialog's back, then ask it to paint that area.
        HDC surface = GetDC(dialog);
        FillRect(surface, &inDialog, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(dialog, surface);
        ASSERT_TRUE(
            WaitUntil([&] { return PegOnScreen(3) == Filled(kPegSize, kPegSize, RGB(0, 0, 0)); }));
        InvalidateRect(dialog, &inDialog, TRUE);
        EXPECT_TRUE(WaitUntil([&] { return ShowsCode(); })) << "round " << round;
    }
}
