// The fixture of the tests that drive one of the game's dialogs: nothing stored before or
// after, and the dialog run modally and found on the screen by its caption.
#pragma once

#include "modal_run.h"
#include "stored_settings.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <memory>

class ModalDialogTest : public StoredSettingsTest {
protected:
    // Fails the test when the dialog is not up, active and focused in time.
    void Open(ModalRun::Factory make, const char* caption) {
        run = std::make_unique<ModalRun>(std::move(make));
        dialog = WaitForDialog(caption);
        ASSERT_NE(dialog, nullptr) << caption;
    }
    void TearDown() override { run.reset(); }

    std::unique_ptr<ModalRun> run;
    HWND dialog = nullptr;
};
