// The settings' plain logic: which platform uses the profile file, how stored text
// becomes a value, each key's default and range. No storage here, so it runs anywhere.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Win32s sets the high bit of the version and reports a major version below 4; Windows NT
// (high bit clear) and Windows 4.0 (major version 4) keep their settings in the registry.
constexpr bool IsWin32s(std::uint32_t version) {
    return (version & 0x80000000u) != 0 && (version & 0xFFu) < 4;
}

// A stored text is accepted only when it is all decimal digits and fits in an int;
// anything else (empty, a sign, a space, a letter, too many digits) gives defaultValue.
int ValueFromStoredText(std::string_view text, int defaultValue);

// A registry value's text: its bytes up to the first NUL, or all of them, since a value
// written by something else need not end with one.
std::string TextBeforeNul(const char* bytes, std::size_t size);

// The text a value is stored as: "%d".
std::string StoredText(int value);

struct SettingKey {
    const char* name; // used exactly, in both back ends
    int defaultValue;
    int lowest; // a value read outside lowest..highest reads as defaultValue
    int highest;
};

inline constexpr SettingKey kNumberOfGuesses{"NumberOfGuesses", 12, 1, 12};
inline constexpr SettingKey kDuplicates{"Duplicates", 0, INT_MIN, INT_MAX};
inline constexpr SettingKey kSoundEffects{"Sound Effects", 0, INT_MIN, INT_MAX};
inline constexpr SettingKey kTimeLimit{"TimeLimit", 15, 1, 15};
// The player's choice of pegs that carry their colour's number: only 1 means on.
inline constexpr SettingKey kNumberedPegs{"Numbered Pegs", 0, 0, 1};

// The key's range check on a value read from storage.
constexpr int AcceptedValue(const SettingKey& key, int value) {
    return value >= key.lowest && value <= key.highest ? value : key.defaultValue;
}
