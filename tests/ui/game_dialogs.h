// The game's five small dialogs, for the tests that go through them all: each by its name, its
// caption and a way to make it.
#pragma once

#include "modal_run.h"

#include <span>

struct GameDialog {
    const char* name; // as in a test's name
    const char* caption;
    ModalRun::Factory make;
    bool storesOnOk; // Difficulty and Settings store what they show when OK ends them
};

// Lose (over the code 1 2 3 4), Win, About, Difficulty and Settings.
std::span<const GameDialog> GameDialogs();
