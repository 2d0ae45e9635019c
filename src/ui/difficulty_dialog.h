// The Difficulty dialog: maximum guesses, time limit and duplicate colours. It reads the
// settings when constructed and writes all three back only at OK.
#pragma once

#include "dialog.h"

class DifficultyDialog : public CDialog {
public:
    DifficultyDialog();

    int guessesIndex;   // selected item of the guesses list: NumberOfGuesses - 1
    int duplicates;     // the duplicates box: 0 unchecked, 1 checked
    int timeLimitIndex; // selected item of the time list: TimeLimit - 1

protected:
    void DataExchange(CDataExchange& exchange) override;
    void OnOK() override;
    // Sets the controls to the easiest choice; nothing is stored until OK.
    void OnEasiest();

    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageMap messageMap;

private:
    static const MessageEntry messageEntries[];
};
