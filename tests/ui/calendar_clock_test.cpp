// The calendar time from Win32's clock calls: the seconds the C library's time() gives, and
// for a moment about now the local time of day its localtime() gives.
#include "calendar_clock.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

TEST(CalendarClockTest, SecondsSince1970OfUtcDatesAcrossLeapDaysAndCenturies) {
    const struct {
        SYSTEMTIME utc;
        std::int64_t seconds;
    } cases[] = {
        {{1970, 1, 4, 1, 0, 0, 0, 0}, 0},
        {{1999, 12, 5, 31, 23, 59, 59, 0}, 946'684'799},
        {{2000, 3, 3, 1, 0, 0, 0, 0}, 951'868'800},
        {{2024, 2, 4, 29, 23, 59, 59, 0}, 1'709'251'199},
        {{2100, 3, 1, 1, 12, 0, 1, 0}, 4'107'585'601},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CalendarSeconds(c.utc), c.seconds) << c.utc.wYear << "-" << c.utc.wMonth;
    }
}

TEST(CalendarClockTest, NowAndItsLocalTimeAreTheCLibrarys) {
    const std::time_t before = std::time(nullptr);
    const std::int64_t now = CalendarNow();
    const std::time_t after = std::time(nullptr);
    EXPECT_GE(now, before);
    EXPECT_LE(now, after);

    const std::time_t moment = now;
    const std::tm expected = *std::localtime(&moment);
    const TimeOfDay local = LocalTimeOfDay(now);
    EXPECT_EQ(local.hour, expected.tm_hour);
    EXPECT_EQ(local.minute, expected.tm_min);
    EXPECT_EQ(local.second, expected.tm_sec);
}

} // namespace
