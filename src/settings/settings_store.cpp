// The accessors of the settings store: each reads or writes storage at the call,
// with the key's default and range; the one global instance holds nothing.
#include "settings_store.h"

#include "settings_io.h"

const SettingsStore settingsStore{};

int SettingsStore::GetNumberOfGuesses() const {
    return ReadSetting(kNumberOfGuesses);
}
void SettingsStore::SetNumberOfGuesses(int value) const {
    WriteSetting(kNumberOfGuesses, value);
}
int SettingsStore::GetDuplicates() const {
    return ReadSetting(kDuplicates);
}
void SettingsStore::SetDuplicates(int value) const {
    WriteSetting(kDuplicates, value);
}
int SettingsStore::GetSoundEffects() const {
    return ReadSetting(kSoundEffects);
}
void SettingsStore::SetSoundEffects(int value) const {
    WriteSetting(kSoundEffects, value);
}
int SettingsStore::GetTimeLimit() const {
    return ReadSetting(kTimeLimit);
}
void SettingsStore::SetTimeLimit(int value) const {
    WriteSetting(kTimeLimit, value);
}
bool SettingsStore::GetNumberedPegs() const {
    return ReadSetting(kNumberedPegs) == 1;
}
void SettingsStore::SetNumberedPegs(bool numbered) const {
    WriteSetting(kNumberedPegs, numbered ? 1 : 0);
}
