// The calendar time from Win32's own clock calls, which every system the game runs on has:
// whole seconds since 1970 (UTC), and the local time of day of such a moment.
#pragma once

#include "game_clock.h"

#include <windows.h>

#include <cstdint>

std::int64_t CalendarNow();
// The calendar seconds of a UTC date and time, as GetSystemTime gives it.
std::int64_t CalendarSeconds(const SYSTEMTIME& utc);
// By the time zone's present offset from UTC, as for the moment that is now.
TimeOfDay LocalTimeOfDay(std::int64_t now);
