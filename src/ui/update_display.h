// The main window's display pass: brings every picture and the scoreboard up to date from the
// GameState, and reports whether the game has just been won or lost. Also the row numbers.
#pragma once

#include "game_state.h"

#include <windows.h>

// Paints headers, pegs, both clocks and the counts of complete rows into window (template
// 102), sets the scoreboard texts and returns Evaluate's outcome. Every picture is repainted,
// changed or not; NumberOfGuesses is read afresh, and so is the numbered-pegs choice unless
// the caller has just read it.
Outcome UpdateDisplay(HWND window, const GameState& state);
Outcome UpdateDisplay(HWND window, const GameState& state, bool numberedPegs);

// Shows row labels 1..guesses and hides the rest.
void ShowRowLabels(HWND window, int guesses);
