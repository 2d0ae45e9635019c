// The persistent settings with their defaults and ranges: the four of the game's rules and
// sounds, and the player's choice of numbered pegs. Nothing is kept in memory: every read goes
// to storage, so a change made by another running copy is seen at once.
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
    bool GetNumberedPegs() const; // off unless "1" is stored
    void SetNumberedPegs(bool numbered) const;
};

// The one store every caller uses.
extern const SettingsStore settingsStore;
