// Clock arithmetic and formatting. Texts are built digit by digit into their fixed fields,
// with every value held to two digits, so nothing is ever written past a field.
#include "game_clock.h"

#include <algorithm>
#include <cstring>

namespace {

// 99:59, the most the four-digit field can show. Reached only when the calendar time
// has been set back during a game.
constexpr std::int64_t kMaxRemainingSeconds = 99 * 60 + 59;

void PutTwoDigits(char* out, int value) {
    value = std::clamp(value, 0, 99);
    out[0] = static_cast<char>('0' + value / 10);
    out[1] = static_cast<char>('0' + value % 10);
}

} // namespace

TickResult Tick(GameState& state, std::int64_t now, TimeOfDay local, int limitMinutes) {
    // A 12-hour clock without a morning/afternoon mark: 0 and 12 both show as 12.
    int hour = local.hour;
    if (hour > 12)
        hour -= 12;
    if (hour == 0)
        hour = 12;

    std::array<char, 7> clock{};
    PutTwoDigits(&clock[0], hour);
    PutTwoDigits(&clock[2], local.minute);
    PutTwoDigits(&clock[4], local.second);

    const std::int64_t elapsed = now - state.gameStart;
    const std::int64_t limit = static_cast<std::int64_t>(limitMinutes) * 60;
    // Held to the field first, so that the rest is plain int arithmetic.
    const int remaining =
        limit >= elapsed ? static_cast<int>(std::min(limit - elapsed, kMaxRemainingSeconds)) : 0;

    std::array<char, 5> remain{};
    PutTwoDigits(&remain[0], remaining / 60);
    PutTwoDigits(&remain[2], remaining % 60);

    const bool changed = std::strcmp(state.clockText.data(), clock.data()) != 0 ||
                         std::strcmp(state.remainText.data(), remain.data()) != 0;
    if (changed) {
        state.clockText = clock;
        state.remainText = remain;
    }
    return TickResult{changed, remaining == 0};
}
