// DrawControlBitmap in a real dialog, judged by the pixels that reach the screen: whole
// pictures beyond small anchors, no repaint over them, lost on erase, nothing drawn and
// nothing leaked for a missing bitmap.
#include "draw_control_bitmap.h"

#include "screen.h"
#include "test_dialog.h"
#include "wait.h"

#include <gtest/gtest.h>

namespace {

constexpr int kBluePeg = 137; // peg of ColourIndex 3
constexpr int kFirstClockDigit = 140;

class DrawControlBitmapTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(dialog.Handle(), nullptr);
        corner = dialog.ScreenCorner(IDC_T_ANCHOR);
        peg = BitmapPixels(MAKEINTRESOURCEA(kBluePeg));
        ASSERT_EQ(peg.width, 25);
        background = CaptureScreen(corner, 25, 25);
        // The area starts as plain dialog background, unlike the picture.
        ASSERT_EQ(background, Filled(25, 25, background.At(0, 0)));
        ASSERT_NE(peg, background);
    }

    bool Shows(const Pixels& expected) const {
        return CaptureScreen(corner, expected.width, expected.height) == expected;
    }
    bool ShowsPeg() const {
        return ShowsBitmap(dialog.Item(IDC_T_ANCHOR), MAKEINTRESOURCEA(kBluePeg));
    }
    bool ShowsBackground() const { return Shows(background); }

    TestDialog dialog;
    POINT corner{};
    Pixels peg;
    Pixels background;
};

} // namespace

TEST_F(DrawControlBitmapTest, PegShowsWholeFromTheAnchorCornerAndCoversTheWindowBeyondIt) {
    const RECT anchor = dialog.RectInDialog(IDC_T_ANCHOR);
    ASSERT_EQ(anchor.right - anchor.left, 12); // 6 x 8 dialog units
    ASSERT_EQ(anchor.bottom - anchor.top, 16);

    DrawControlBitmap(dialog.Handle(), IDC_T_ANCHOR, kBluePeg);
    EXPECT_TRUE(WaitUntil([&] { return ShowsPeg(); }));
    // The disc's far side lies outside the anchor; the picture stops at its own size.
    EXPECT_EQ(CaptureScreen({corner.x + 18, corner.y + 12}, 1, 1).At(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(CaptureScreen({corner.x + 12, corner.y + 18}, 1, 1).At(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(CaptureScreen({corner.x + 25, corner.y}, 1, 25), Filled(1, 25, background.At(0, 0)));
    EXPECT_EQ(CaptureScreen({corner.x, corner.y + 25}, 25, 1), Filled(25, 1, background.At(0, 0)));
}

TEST_F(DrawControlBitmapTest, AnAnchorWhoseRepaintWasPendingDoesNotPaintOverThePicture) {
    InvalidateRect(dialog.Item(IDC_T_ANCHOR), nullptr, TRUE);
    DrawControlBitmap(dialog.Handle(), IDC_T_ANCHOR, kBluePeg);
    UpdateWindow(dialog.Item(IDC_T_ANCHOR));
    UpdateWindow(dialog.Handle());
    ASSERT_TRUE(dialog.WaitForPaint());
    EXPECT_TRUE(ShowsPeg());

    // Had the repaint gone ahead, the anchor would have painted its own rectangle over it.
    InvalidateRect(dialog.Item(IDC_T_ANCHOR), nullptr, TRUE);
    UpdateWindow(dialog.Item(IDC_T_ANCHOR));
    EXPECT_TRUE(WaitUntil([&] { return Shows(Filled(12, 16, background.At(0, 0))); }));
}

TEST_F(DrawControlBitmapTest, ErasingTheAreaWipesThePictureUntilTheNextDraw) {
    DrawControlBitmap(dialog.Handle(), IDC_T_ANCHOR, kBluePeg);
    ASSERT_TRUE(WaitUntil([&] { return ShowsPeg(); }));

    InvalidateRect(dialog.Handle(), nullptr, TRUE);
    UpdateWindow(dialog.Handle());
    EXPECT_TRUE(WaitUntil([&] { return ShowsBackground(); }));
    ASSERT_TRUE(dialog.WaitForPaint());
    EXPECT_TRUE(ShowsBackground()) << "nothing may bring the picture back by itself";

    DrawControlBitmap(dialog.Handle(), IDC_T_ANCHOR, kBluePeg);
    EXPECT_TRUE(WaitUntil([&] { return ShowsPeg(); }));
}

TEST_F(DrawControlBitmapTest, OnlyTheLow16BitsNameTheBitmap) {
    DrawControlBitmap(dialog.Handle(), IDC_T_ANCHOR, 0x50000 | kBluePeg);
    EXPECT_TRUE(WaitUntil([&] { return ShowsPeg(); }));
}

TEST_F(DrawControlBitmapTest, AMissingBitmapDrawsNothingButStillValidatesTheAnchor) {
    HWND anchor = dialog.Item(IDC_T_ANCHOR);
    InvalidateRect(anchor, nullptr, TRUE);
    DrawControlBitmap(dialog.Handle(), IDC_T_ANCHOR, 92); // what a NUL clock character gives
    EXPECT_FALSE(GetUpdateRect(anchor, nullptr, FALSE));
    ASSERT_TRUE(dialog.WaitForPaint());
    EXPECT_TRUE(ShowsBackground());

    // Over an earlier picture: the area keeps what it showed.
    DrawControlBitmap(dialog.Handle(), IDC_T_ANCHOR, kBluePeg);
    ASSERT_TRUE(WaitUntil([&] { return ShowsPeg(); }));
    DrawControlBitmap(dialog.Handle(), IDC_T_ANCHOR, 92);
    ASSERT_TRUE(dialog.WaitForPaint());
    EXPECT_TRUE(ShowsPeg());
}

TEST_F(DrawControlBitmapTest, AControlThatDoesNotExistDrawsNothingAnywhere) {
    // Without a control there is no surface to draw on: nothing may land on the screen
    // (a null window's surface) nor at the dialog's corner.
    const POINT screenCorner{0, 0};
    const Pixels screenBefore = CaptureScreen(screenCorner, 25, 25);
    const POINT dialogCorner = dialog.ScreenCorner(IDC_T_PEG_FIRST);
    const Pixels dialogBefore = CaptureScreen(dialogCorner, 25, 25);
    DrawControlBitmap(dialog.Handle(), 12345, kBluePeg);
    ASSERT_TRUE(dialog.WaitForPaint());
    EXPECT_EQ(CaptureScreen(screenCorner, 25, 25), screenBefore);
    EXPECT_EQ(CaptureScreen(dialogCorner, 25, 25), dialogBefore);
    EXPECT_TRUE(ShowsBackground());
}

TEST_F(DrawControlBitmapTest, AHiddenAnchorShowsNothing) {
    ASSERT_FALSE(IsWindowVisible(dialog.Item(IDC_T_HIDDEN_ANCHOR)));
    const POINT hidden = dialog.ScreenCorner(IDC_T_HIDDEN_ANCHOR);
    const Pixels before = CaptureScreen(hidden, 25, 25);
    ASSERT_EQ(before, Filled(25, 25, background.At(0, 0)));
    DrawControlBitmap(dialog.Handle(), IDC_T_HIDDEN_ANCHOR, kBluePeg);
    ASSERT_TRUE(dialog.WaitForPaint());
    EXPECT_EQ(CaptureScreen(hidden, 25, 25), before);
}

// The count sees every object come and go (ObjectCountsTest).
TEST_F(DrawControlBitmapTest, TenThousandDrawsLeaveTheGdiObjectCountUnchanged) {
    DrawControlBitmap(dialog.Handle(), IDC_T_ANCHOR, kBluePeg); // first-use allocations
    DrawControlBitmap(dialog.Handle(), IDC_T_ANCHOR, 92);
    const int before = CountGdiObjects();
    for (int i = 0; i < 5000; ++i) {
        DrawControlBitmap(dialog.Handle(), IDC_T_ANCHOR, 92);
        DrawControlBitmap(dialog.Handle(), IDC_T_ANCHOR, kFirstClockDigit + i % 10);
    }
    EXPECT_EQ(CountGdiObjects(), before);
}
