// MainWindow: the game's one window (template 102). It owns the game and the colour buttons,
// turns clicks, keys and the one-second tick into game operations, runs the display pass and
// opens the result, About, Difficulty and Settings dialogs and the help file. Beyond its
// message table it takes the colour keys and the numbered-pegs switch (keyboard_play.cpp,
// numbered_pegs.cpp).
#pragma once

#include "bitmap_button.h"
#include "dialog.h"
#include "game_state.h"

#include <array>

class MainWindow : public CDialog {
public:
    MainWindow();
    // Stops the timer if the window still has one.
    ~MainWindow() override;

    const GameState& State() const { return state; }

    // The keys 1 to 6 and F2, and the system menu's Numbered Pegs, before the dialog manager.
    bool PreTranslateMessage(const MSG& message) override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    const MessageMap* GetMessageMap() const override { return &messageMap; }

private:
    friend struct GameStateTestAccess;

    static const MessageEntry messageEntries[];
    static const MessageMap messageMap;

    void OnPaint() override;
    void OnColour(ColourIndex colour);
    void OnColourDoubleClick();
    bool OnTimer();
    void OnNewGame();
    void OnClose();
    void OnAbout();
    void OnHelp();
    void OnDifficulty();
    void OnSettings();

    // Every finished game, won, lost on guesses or lost on time: counted, its dialog shown,
    // then a new deal.
    void AnnounceResult(Outcome outcome);
    // A new code, the row labels for the current limit, and the whole window erased so that
    // the next paint draws the empty board.
    void DealAndRedraw();
    void Deal();

    // A colour key as its button: held down with the key, clicked when it is released.
    bool OnColourKey(const MSG& message);
    // The system menu item, checked while the pegs are numbered.
    void AddNumberedPegsItem();
    // Stores the other choice and shows it at once.
    void ToggleNumberedPegs();
    // The buttons' faces and the menu's check mark as the stored choice, just read, asks; another
    // running copy may have changed it.
    void ShowNumberedPegs(bool numberedPegs);

    std::array<CBitmapButton, COLOUR_COUNT> colourButtons; // button k enters ColourIndex k
    GameState state;
    UINT_PTR timerId = 0; // 0 when there is no timer
    std::array<bool, COLOUR_COUNT> colourKeyHeld{};
    bool numberedPegsShown = false; // the look the buttons and the menu item show
};
