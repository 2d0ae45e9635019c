// MainWindow: the message table first, then one handler per row of it. The road of a click:
// a colour button's BN_CLICKED -> OnColour -> EnterPeg -> UpdateDisplay -> win or lose dialog
// -> deal. The road of a tick: WM_TIMER -> OnTimer -> Tick -> UpdateDisplay -> time-up loss.
#include "main_window.h"

#include "about_dialog.h"
#include "calendar_clock.h"
#include "difficulty_dialog.h"
#include "game_clock.h"
#include "lose_dialog.h"
#include "resource.h"
#include "settings_dialog.h"
#include "settings_store.h"
#include "sound_effect.h"
#include "update_display.h"
#include "win_dialog.h"

#include <iterator>

namespace {

constexpr UINT kColourButton[COLOUR_COUNT] = {
    IDC_COLOUR_BUTTON_FIRST,     IDC_COLOUR_BUTTON_FIRST + 1, IDC_COLOUR_BUTTON_FIRST + 2,
    IDC_COLOUR_BUTTON_FIRST + 3, IDC_COLOUR_BUTTON_FIRST + 4, IDC_COLOUR_BUTTON_FIRST + 5};
constexpr const char* kColourNames[COLOUR_COUNT] = {"Red",  "Yellow",   "Green",
                                                     "Blue", "Dark Red", "Magenta"};
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kClockPeriodMs = 1000;

} // namespace

// Searched in this order, before the dialog's own handling. Exit (command 1) is not here: it
// takes the dialog's standard OK path to OnOK. New Game (command 2) is also what Escape sends.
// clang-format off
const MessageEntry MainWindow::messageEntries[] = {
    OnMessage(WM_PAINT,                           Handler<&MainWindow::OnPaint>),
    OnCommand(BN_DOUBLECLICKED, kColourButton[0], Handler<&MainWindow::OnColourDoubleClick>),
    OnCommand(BN_CLICKED,       kColourButton[0], Handler<&MainWindow::OnColour, 0>),
    OnCommand(BN_CLICKED,       kColourButton[1], Handler<&MainWindow::OnColour, 1>),
    OnCommand(BN_CLICKED,       kColourButton[2], Handler<&MainWindow::OnColour, 2>),
    OnCommand(BN_CLICKED,       kColourButton[3], Handler<&MainWindow::OnColour, 3>),
    OnCommand(BN_CLICKED,       kColourButton[4], Handler<&MainWindow::OnColour, 4>),
    OnCommand(BN_CLICKED,       kColourButton[5], Handler<&MainWindow::OnColour, 5>),
    OnMessage(WM_TIMER,                           Handler<&MainWindow::OnTimer>),
    OnCommand(BN_CLICKED,       IDC_NEW_GAME,     Handler<&MainWindow::OnNewGame>),
    OnMessage(WM_CLOSE,                           Handler<&MainWindow::OnClose>),
    OnCommand(BN_CLICKED,       IDC_ABOUT,        Handler<&MainWindow::OnAbout>),
    OnCommand(BN_CLICKED,       IDC_HELP_BUTTON,  Handler<&MainWindow::OnHelp>),
    OnCommand(BN_CLICKED,       IDC_DIFFICULTY,   Handler<&MainWindow::OnDifficulty>),
    OnCommand(BN_CLICKED,       IDC_SETTINGS,     Handler<&MainWindow::OnSettings>),
    OnMessage(WM_QUERYDRAGICON,                   DefaultProcessing),
    OnCommand(BN_DOUBLECLICKED, kColourButton[1], Handler<&MainWindow::OnColourDoubleClick>),
    OnCommand(BN_DOUBLECLICKED, kColourButton[2], Handler<&MainWindow::OnColourDoubleClick>),
    OnCommand(BN_DOUBLECLICKED, kColourButton[3], Handler<&MainWindow::OnColourDoubleClick>),
    OnCommand(BN_DOUBLECLICKED, kColourButton[4], Handler<&MainWindow::OnColourDoubleClick>),
    OnCommand(BN_DOUBLECLICKED, kColourButton[5], Handler<&MainWindow::OnColourDoubleClick>),
};
// clang-format on

const MessageMap MainWindow::messageMap = {&CDialog::messageMap, messageEntries,
                                           std::size(messageEntries)};

MainWindow::MainWindow() : CDialog(IDD_MAIN), state(GetTickCount()) {}

MainWindow::~MainWindow() {
    // The window normally goes first, and its timer with it.
    if (timerId != 0 && Handle() != nullptr) {
        KillTimer(Handle(), timerId);
    }
}

bool MainWindow::OnInitDialog() {
    CDialog::OnInitDialog(); // with no owner, centred on the screen
    PlaySoundEffect("first.wav");
    // The minimised window shows the application icon.
    SetClassLongPtrA(Handle(), GCLP_HICON,
                     reinterpret_cast<LONG_PTR>(
                         LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAIN))));
    timerId = SetTimer(Handle(), kClockTimer, kClockPeriodMs, nullptr);
    for (int k = 0; k < COLOUR_COUNT; ++k) {
        colourButtons[k].AutoLoad(IDC_COLOUR_BUTTON_FIRST + k, Handle());
        // A screen reader says the colour, not the faces' name the caption was.
        SetWindowTextA(colourButtons[k].Handle(), kColourNames[k]);
        // Bound buttons change size: repaint them whole.
        InvalidateRect(colourButtons[k].Handle(), nullptr, TRUE);
    }
    AddNumberedPegsItem();
    ShowNumberedPegs(settingsStore.GetNumberedPegs());
    Deal();
    return true; // the focus goes to the first tab stop, Difficulty
}

void MainWindow::OnPaint() {
    Default(); // erases the background and ends the paint cycle
    if (!IsIconic(Handle())) {
        const bool numberedPegs = settingsStore.GetNumberedPegs();
        UpdateDisplay(Handle(), state, numberedPegs);
        ShowNumberedPegs(numberedPegs);
    }
}

void MainWindow::OnColour(ColourIndex colour) {
    if (!state.EnterPeg(colour, settingsStore.GetNumberOfGuesses())) {
        return;
    }
    const Outcome outcome = UpdateDisplay(Handle(), state);
    if (outcome != Outcome::kUndecided) {
        AnnounceResult(outcome);
    }
}

// The second click of a quick pair arrives as a double-click only: turn it back into a click
// on the colour button that has the focus (the one just clicked).
void MainWindow::OnColourDoubleClick() {
    for (CBitmapButton& button : colourButtons) {
        if ((SendMessageA(button.Handle(), BM_GETSTATE, 0, 0) & BST_FOCUS) != 0) {
            SendMessageA(button.Handle(), WM_KEYDOWN, VK_SPACE, 0);
            SendMessageA(button.Handle(), WM_KEYUP, VK_SPACE, 0);
            return;
        }
    }
}

bool MainWindow::OnTimer() {
    const std::int64_t now = CalendarNow();
    const TickResult tick = Tick(state, now, LocalTimeOfDay(now), settingsStore.GetTimeLimit());
    if (tick.changed) {
        const bool numberedPegs = settingsStore.GetNumberedPegs();
        UpdateDisplay(Handle(), state, numberedPegs);
        ShowNumberedPegs(numberedPegs);
    }
    // A result dialog already up has counted this game; ticks go on underneath it.
    if (state.ResultShowing() == 0 && tick.timeUp) {
        AnnounceResult(Outcome::kLost);
    }
    return false; // on to default processing
}

void MainWindow::OnNewGame() {
    DealAndRedraw();
}

// Never the default: for a dialog that sends the cancel command, which would deal.
void MainWindow::OnClose() {
    WinHelp(0, HELP_QUIT);
    OnOK();
}

void MainWindow::OnAbout() {
    AboutDialog().DoModal();
}

void MainWindow::OnHelp() {
    WinHelp(0, HELP_CONTENTS);
}

void MainWindow::OnDifficulty() {
    if (DifficultyDialog().DoModal() == IDOK) {
        DealAndRedraw();
    }
}

void MainWindow::OnSettings() {
    SettingsDialog().DoModal();
}

void MainWindow::OnOK() {
    PlaySoundEffect("last.wav");
    WinHelp(0, HELP_QUIT);
    CDialog::OnOK();
}

void MainWindow::AnnounceResult(Outcome outcome) {
    if (outcome == Outcome::kWon) {
        state.RecordWin();
    } else {
        state.RecordLoss();
    }
    // The game is counted: a tick while the dialog is up must not count it again.
    state.SetResultShowing(true);
    if (outcome == Outcome::kWon) {
        WinDialog().DoModal();
    } else {
        LoseDialog(state.Code()).DoModal();
    }
    DealAndRedraw(); // the deal clears resultShowing
}

void MainWindow::Deal() {
    state.NewGame(settingsStore.GetDuplicates(), CalendarNow());
    ShowRowLabels(Handle(), settingsStore.GetNumberOfGuesses());
}

void MainWindow::DealAndRedraw() {
    Deal();
    InvalidateRect(Handle(), nullptr, TRUE);
}
