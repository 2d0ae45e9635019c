// Every picture of the game in one dialog laid out like the game's: each numbered bitmap
// at its anchor and the six colour buttons, all exactly as stored. Set ZODEDU_ARTWORK_PAUSE_MS
// to keep the dialog on screen for a look (or a screenshot) before it closes.
#include "bitmap_button.h"
#include "draw_control_bitmap.h"

#include "screen.h"
#include "test_dialog.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

TEST(Gallery, EveryPictureAndEveryColourButtonReachesTheScreenExactlyAsStored) {
    TestDialog dialog;
    ASSERT_NE(dialog.Handle(), nullptr);
    std::array<CBitmapButton, 6> buttons;
    for (int k = 0; k < 6; ++k) {
        ASSERT_TRUE(
            buttons[static_cast<std::size_t>(k)].AutoLoad(IDC_T_BUTTON_FIRST + k, dialog.Handle()));
        InvalidateRect(dialog.Item(IDC_T_BUTTON_FIRST + k), nullptr, TRUE);
    }
    UpdateWindow(dialog.Handle());

    // The numbers are the game's rules: peg 134 + k, clock character + 92, colon 150,
    // count 151 + n, headers 161 and 162.
    std::vector<std::pair<int, int>> pictures; // anchor, bitmap
    for (int k = 0; k < 6; ++k) {
        pictures.emplace_back(IDC_T_PEG_FIRST + k, 134 + k);
    }
    for (int d = 0; d < 10; ++d) {
        pictures.emplace_back(IDC_T_LARGE_FIRST + d, '0' + d + 92);
        pictures.emplace_back(IDC_T_SMALL_FIRST + d, 151 + d);
    }
    pictures.emplace_back(IDC_T_COLON, 150);
    pictures.emplace_back(IDC_T_HEADER_EXACT, 161);
    pictures.emplace_back(IDC_T_HEADER_COLOUR, 162);
    for (const auto& [anchor, bitmap] : pictures) {
        DrawControlBitmap(dialog.Handle(), anchor, bitmap);
    }

    for (const auto& [anchor, bitmap] : pictures) {
        const Pixels expected = BitmapPixels(MAKEINTRESOURCEA(bitmap));
        ASSERT_GT(expected.width, 0) << bitmap;
        EXPECT_TRUE(WaitUntil([&] {
            return CaptureScreen(dialog.ScreenCorner(anchor), expected.width, expected.height) ==
                   expected;
        })) << "bitmap "
            << bitmap << " at control " << anchor;
    }
    // The pictures' background merges with the dialog's around them.
    const POINT firstPeg = dialog.ScreenCorner(IDC_T_PEG_FIRST);
    EXPECT_EQ(CaptureScreen({firstPeg.x - 2, firstPeg.y}, 1, 1).At(0, 0), RGB(192, 192, 192));
    for (int k = 0; k < 6; ++k) {
        const std::string face = "IDB_" + std::to_string(k) + "U";
        const Pixels expected = BitmapPixels(face.c_str());
        ASSERT_EQ(expected.width, 25) << face;
        EXPECT_TRUE(WaitUntil([&] {
            return CaptureScreen(dialog.ScreenCorner(IDC_T_BUTTON_FIRST + k), 25, 25) == expected;
        })) << face;
    }
    if (const char* pause = std::getenv("ZODEDU_ARTWORK_PAUSE_MS")) {
        Settle(static_cast<DWORD>(std::atoi(pause)));
    }
}
