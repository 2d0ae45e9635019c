// The settings as they lie in the registry, read and written past the settings store, so
// that a test sees exactly what a dialog wrote, and whether it wrote at all.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

inline constexpr const char* kSettingNames[] = {"NumberOfGuesses", "Duplicates", "Sound Effects",
                                                "TimeLimit"};

// The stored text of one setting, or nothing when it is not stored.
std::optional<std::string> StoredSetting(const char* name);
void StoreSetting(const char* name, const char* text);
// Every setting's stored text (or its absence), for before-and-after comparisons.
std::map<std::string, std::optional<std::string>> StoredSettings();
// Removes everything the program keeps in the registry.
void ForgetSettings();

// Each test starts with nothing stored and leaves nothing behind.
class StoredSettingsTest : public testing::Test {
protected:
    void SetUp() override { ForgetSettings(); }
    void TearDown() override { ForgetSettings(); }
};
