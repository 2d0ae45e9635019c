// The read rules of stored settings text; kept apart from storage so that they can be
// tested and fuzzed natively.
#include "settings_rules.h"

#include <algorithm>

int ValueFromStoredText(std::string_view text, int defaultValue) {
    if (text.empty()) {
        return defaultValue;
    }
    int value = 0;
    for (const char character : text) {
        if (character < '0' || character > '9') {
            return defaultValue;
        }
        const int digit = character - '0';
        // Only an outside edit can store digits beyond INT_MAX; treat them as unreadable.
        if (value > (INT_MAX - digit) / 10) {
            return defaultValue;
        }
        value = value * 10 + digit;
    }
    return value;
}

std::string TextBeforeNul(const char* bytes, std::size_t size) {
    const char* end = bytes + size;
    return std::string(bytes, std::find(bytes, end, '\0'));
}

std::string StoredText(int value) {
    return std::to_string(value);
}
