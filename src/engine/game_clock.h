// The game clock: turns a once-a-second tick into the 12-hour time of day and the time left,
// both as digit texts in the GameState, and reports when the countdown reaches zero.
#pragma once

#include <cstdint>

#include "game_state.h"

// The platform splits calendar seconds into local time, so that tests can hand in exact times.
struct TimeOfDay {
    int hour, minute, second; // local time, hour 0..23
};

struct TickResult {
    bool changed; // a text differs from the stored one; both stored texts were replaced
    bool timeUp;  // no time remains
};

// now: calendar seconds; local: the same moment as local time; limitMinutes: TimeLimit (1..15).
TickResult Tick(GameState& state, std::int64_t now, TimeOfDay local, int limitMinutes);
