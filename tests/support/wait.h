// Waiting in the tests: for a condition, never for a time alone, and never for ever.
#pragma once

#include <windows.h>

#include <functional>

// Dispatches the messages waiting for this thread (none where the thread owns no windows).
void PumpMessages();
// Pumps and polls until the condition holds or the time runs out; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);
// Pumps for the given time: only for a pause a person asked for, to look at the screen.
void Settle(DWORD ms);
// The visible dialog with this caption, once it is up, active and has the keyboard focus
// somewhere inside it (so that keys reach it); null when that does not happen in time.
HWND WaitForDialog(const char* caption, DWORD timeoutMs = 5000);
bool WaitForDialogGone(HWND dialog, DWORD timeoutMs = 5000);
// What read() gives once it gives expected, or its last answer when the time runs out: input
// reaches the other thread in its own time, so a check after it waits for the effect.
template <class Read, class Value>
auto Awaited(const Read& read, const Value& expected, DWORD timeoutMs = 3000) {
    auto value = read();
    WaitUntil([&] { return (value = read()) == expected; }, timeoutMs);
    return value;
}
