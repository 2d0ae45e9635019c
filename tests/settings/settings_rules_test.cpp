// The read rules of stored settings: which platforms use the profile file, which texts
// are accepted, and each key's default and range.
#include "settings_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

TEST(IsWin32sTest, OnlyTheHighBitWithAMajorVersionBelowFourMeansWin32s) {
    EXPECT_TRUE(IsWin32s(0x80000A03u)); // Win32s on Windows 3.1
    EXPECT_TRUE(IsWin32s(0x80000000u));
    EXPECT_TRUE(IsWin32s(0xFFFFFF03u));  // the build number in the high word plays no part
    EXPECT_FALSE(IsWin32s(0xC0000004u)); // Windows 4.0: high bit set, major version 4
    EXPECT_FALSE(IsWin32s(0xC0000A04u));
    EXPECT_FALSE(IsWin32s(0x80000005u));
    EXPECT_FALSE(IsWin32s(0x04210333u)); // Windows NT 3.51: high bit clear, major version 3
    EXPECT_FALSE(IsWin32s(0x05650004u));
    EXPECT_FALSE(IsWin32s(0x1DB10106u)); // what Wine reports
    EXPECT_FALSE(IsWin32s(0x00000000u));
}

TEST(StoredTextTest, DigitsOnlyTextReadsAsItsValue) {
    EXPECT_EQ(ValueFromStoredText("0", 12), 0);
    EXPECT_EQ(ValueFromStoredText("7", 12), 7);
    EXPECT_EQ(ValueFromStoredText("16", 15), 16);
    EXPECT_EQ(ValueFromStoredText("007", 12), 7); // leading zeros are still digits only
    EXPECT_EQ(ValueFromStoredText("2147483647", 0), INT_MAX);
    EXPECT_EQ(ValueFromStoredText("00000000000000000002147483647", 0), INT_MAX);
}

TEST(StoredTextTest, AnyOtherTextReadsAsTheDefault) {
    for (const std::string text : {"", "-1", "-3", "+7", "7a", "a7", " 7", "7 ", " ", "0x1F", "1e3",
                                   "7.0", "\xD9\xA3" /* an Arabic-Indic three */}) {
        EXPECT_EQ(ValueFromStoredText(text, 12), 12) << "\"" << text << "\"";
        EXPECT_EQ(ValueFromStoredText(text, -4), -4) << "\"" << text << "\"";
    }
    // A NUL inside the text is not a digit either.
    EXPECT_EQ(ValueFromStoredText(std::string{'7', '\0', '3'}, 15), 15);
    EXPECT_EQ(ValueFromStoredText(std::string(1, '\0'), 15), 15);
}

TEST(StoredTextTest, DigitsBeyondTheRangeOfAnIntReadAsTheDefault) {
    EXPECT_EQ(ValueFromStoredText("2147483648", 12), 12);
    EXPECT_EQ(ValueFromStoredText("2147483650", 12), 12);
    EXPECT_EQ(ValueFromStoredText("4294967303", 12), 12); // 2^32 + 7 must not wrap to 7
    EXPECT_EQ(ValueFromStoredText("9999999999", 15), 15);
    EXPECT_EQ(ValueFromStoredText(std::string(300, '9'), 0), 0);
    EXPECT_EQ(ValueFromStoredText("21474836470", 0), 0);
}

TEST(RegistryTextTest, TextEndsAtTheFirstNulOrTheLastByte) {
    // Exactly sized heap copies, so that the sanitizer sees any read past the end.
    const auto text = [](const std::string& bytes) {
        const std::vector<char> copy(bytes.begin(), bytes.end());
        return TextBeforeNul(copy.data(), copy.size());
    };
    EXPECT_EQ(text(std::string("12", 3)), "12");
    EXPECT_EQ(text("12"), "12");
    EXPECT_EQ(text(std::string{'7', '\0', '3', '\0'}), "7");
    EXPECT_EQ(text(std::string(1, '\0')), "");
    EXPECT_EQ(text(""), "");
    EXPECT_EQ(text(std::string(1023, '0') + "7"), std::string(1023, '0') + "7");
    EXPECT_EQ(ValueFromStoredText(text(std::string(1023, '0') + "7"), 12), 7);
}

TEST(StoredTextTest, WrittenTextIsPrintfDecimal) {
    EXPECT_EQ(StoredText(12), "12");
    EXPECT_EQ(StoredText(0), "0");
    EXPECT_EQ(StoredText(-3), "-3");
    EXPECT_EQ(StoredText(INT_MAX), "2147483647");
    EXPECT_EQ(StoredText(INT_MIN), "-2147483648");
}

TEST(StoredTextTest, ANegativeValueWrittenReadsBackAsTheDefault) {
    EXPECT_EQ(ValueFromStoredText(StoredText(-3), 0), 0);
    EXPECT_EQ(ValueFromStoredText(StoredText(INT_MIN), 15), 15);
    EXPECT_EQ(ValueFromStoredText(StoredText(9), 15), 9);
}

TEST(SettingKeyTest, GuessesAndTimeLimitFallBackToTheirDefaultOutsideTheirRange) {
    EXPECT_EQ(AcceptedValue(kNumberOfGuesses, 7), 7);
    EXPECT_EQ(AcceptedValue(kNumberOfGuesses, 1), 1);
    EXPECT_EQ(AcceptedValue(kNumberOfGuesses, 12), 12);
    EXPECT_EQ(AcceptedValue(kNumberOfGuesses, 0), 12);
    EXPECT_EQ(AcceptedValue(kNumberOfGuesses, 13), 12);
    EXPECT_EQ(AcceptedValue(kNumberOfGuesses, INT_MIN), 12);

    EXPECT_EQ(AcceptedValue(kTimeLimit, 1), 1);
    EXPECT_EQ(AcceptedValue(kTimeLimit, 15), 15);
    EXPECT_EQ(AcceptedValue(kTimeLimit, 0), 15);
    EXPECT_EQ(AcceptedValue(kTimeLimit, 16), 15);
    EXPECT_EQ(AcceptedValue(kTimeLimit, INT_MAX), 15);
}

TEST(SettingKeyTest, DuplicatesAndSoundEffectsPassAnyValueOn) {
    for (const int value : {INT_MIN, -3, 0, 1, 5, INT_MAX}) {
        EXPECT_EQ(AcceptedValue(kDuplicates, value), value);
        EXPECT_EQ(AcceptedValue(kSoundEffects, value), value);
    }
}

TEST(SettingKeyTest, NothingStoredGivesTheFourDefaults) {
    const SettingKey keys[] = {kNumberOfGuesses, kDuplicates, kSoundEffects, kTimeLimit};
    const int defaults[] = {12, 0, 0, 15};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(AcceptedValue(keys[i], ValueFromStoredText("", keys[i].defaultValue)),
                  defaults[i])
            << keys[i].name;
    }
}

} // namespace
