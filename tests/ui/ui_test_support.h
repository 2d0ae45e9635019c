// What the main window tests share: a clean settings store and no recorded sounds around each
// test, and playing whole rows and whole games through real clicks.
#pragma once

#include "game_session.h"
#include "stored_settings.h"

#include <gtest/gtest.h>

#include <array>

using Guess = std::array<ColourIndex, PEG_COUNT>;

class MainWindowTest : public StoredSettingsTest {
protected:
    void SetUp() override;

    // Four clicks that leave the game running.
    static void EnterRow(const GameSession& game, const Guess& guess);
    // Three clicks, then the fourth posted; returns the result dialog it raised, or null.
    static HWND EnterFinalRow(const GameSession& game, const Guess& guess, const char* caption);
    // Closes a result dialog and waits until the next game has been dealt.
    static void CloseAndWaitForDeal(const GameSession& game, HWND dialog);
    static bool BoardIsEmpty(const GameState& state);
};

// The names a screen reader gives the colour buttons, in ColourIndex order.
constexpr const char* kColourNames[COLOUR_COUNT] = {"Red",  "Yellow",   "Green",
                                                     "Blue", "Dark Red", "Magenta"};
