// The four persistent settings with their defaults and ranges. Nothing is kept in memory:
// every read goes to storage, so a change made by another running copy is seen at once.
#pragma once

class SettingsStore {
public:
    int GetNumberOfGuesses() const; // 1..12, default 12
    void SetNumberOfGuesses(int value) const;
    int GetDuplicates() const; // any value; non-zero allows repeated colours
    void SetDuplicates(int value) const;
    int GetSoundEffects() const; // any value; non-zero plays the wave sounds
    void SetSoundEffects(int value) const;
    int GetTimeLimit() const; // minutes, 1..15, default 15
    void SetTimeLimit(int value) const;
};

// The one store every caller uses.
extern const SettingsStore settingsStore;
