// Arbitrary byte strings through the read rule, checked against a reference written
// another way; run natively under AddressSanitizer and UndefinedBehaviorSanitizer.
#include "settings_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <string>

namespace {

// Accepts all-digit text, drops leading zeros, and compares the rest with INT_MAX's
// digits as text, so no arithmetic can overflow.
int ReferenceValue(const std::string& text, int defaultValue) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return defaultValue;
    }
    const std::string digits = text.substr(std::min(text.find_first_not_of('0'), text.size()));
    const std::string limit = std::to_string(INT_MAX);
    if (digits.size() > limit.size() || (digits.size() == limit.size() && digits > limit)) {
        return defaultValue;
    }
    return digits.empty() ? 0 : static_cast<int>(std::stoll(digits));
}

// Mostly digits, so that long all-digit texts near the limit come up often.
std::string RandomText(std::mt19937& random) {
    std::uniform_int_distribution<int> length(0, 24);
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> digit('0', '9');
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text(static_cast<std::size_t>(length(random)), '\0');
    const bool digitsOnly = kind(random) < 5;
    for (char& character : text) {
        character = digitsOnly || kind(random) < 7 ? static_cast<char>(digit(random))
                                                   : static_cast<char>(byte(random));
    }
    return text;
}

TEST(StoredTextFuzzTest, ArbitraryBytesReadAsTheReferenceSays) {
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> defaults(-20, 20);
    int accepted = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::string text = RandomText(random);
        const int defaultValue = defaults(random);
        const int expected = ReferenceValue(text, defaultValue);
        ASSERT_EQ(ValueFromStoredText(text, defaultValue), expected)
            << "text of " << text.size() << " bytes: \"" << text << "\"";
        if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos &&
            expected != defaultValue) {
            ++accepted;
        }
    }
    // The generator must reach both sides of the rule for the comparison to mean much.
    EXPECT_GT(accepted, 10000);
}

TEST(StoredTextFuzzTest, EveryWrittenValueReadsBackOrAsTheDefaultWhenNegative) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> values(INT_MIN, INT_MAX);
    for (int i = 0; i < 100000; ++i) {
        const int value = values(random);
        const int expected = value >= 0 ? value : -1;
        ASSERT_EQ(ValueFromStoredText(StoredText(value), -1), expected) << value;
    }
}

TEST(StoredTextFuzzTest, EveryLengthOfDigitsAroundTheLimit) {
    // Each prefix of a long run of nines, and INT_MAX with one digit raised or lowered.
    std::string nines;
    for (int length = 1; length <= 40; ++length) {
        nines += '9';
        EXPECT_EQ(ValueFromStoredText(nines, -1), length <= 9 ? std::stoi(nines) : -1) << nines;
    }
    const std::string limit = std::to_string(INT_MAX);
    for (std::size_t position = 0; position < limit.size(); ++position) {
        for (char digit = '0'; digit <= '9'; ++digit) {
            std::string text = limit;
            text[position] = digit;
            EXPECT_EQ(ValueFromStoredText(text, -1), text <= limit ? std::stoi(text) : -1) << text;
        }
    }
}

} // namespace
