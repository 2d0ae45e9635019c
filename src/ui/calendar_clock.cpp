// The date is turned into days arithmetically rather than through a 64-bit FILETIME, whose
// division by 10^7 a 32-bit build would hand to a helper library.
#include "calendar_clock.h"

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kFileTimeTicksPerSecond = 10'000'000;
constexpr std::int64_t kFileTimeTicksBefore1970 = 116'444'736'000'000'000;

// Days from 1 January 1970 to a date of the Gregorian calendar: the year counted from March,
// so that the leap day falls at its end, and 400-year eras of 146097 days.
std::int64_t DaysSince1970(int year, int month, int day) {
    if (month <= 2) {
        --year;
    }
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return std::int64_t{era} * 146097 + dayOfEra - 719468;
}

} // namespace

std::int64_t CalendarNow() {
    SYSTEMTIME utc{};
    GetSystemTime(&utc);
    return CalendarSeconds(utc);
}

std::int64_t CalendarSeconds(const SYSTEMTIME& utc) {
    return DaysSince1970(utc.wYear, utc.wMonth, utc.wDay) * kSecondsPerDay + utc.wHour * 3600 +
           utc.wMinute * 60 + utc.wSecond;
}

TimeOfDay LocalTimeOfDay(std::int64_t now) {
    const auto ticks =
        static_cast<std::uint64_t>(now * kFileTimeTicksPerSecond + kFileTimeTicksBefore1970);
    const FILETIME utc{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    FILETIME local{};
    SYSTEMTIME time{};
    if (FileTimeToLocalFileTime(&utc, &local) == FALSE ||
        FileTimeToSystemTime(&local, &time) == FALSE) {
        return TimeOfDay{0, 0, 0};
    }
    return TimeOfDay{time.wHour, time.wMinute, time.wSecond};
}
