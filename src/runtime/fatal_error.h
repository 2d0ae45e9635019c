// The runtime's one way out on a failure it cannot recover from: a message box that says what
// happened, then the end of the process with the status the C library's abort gives.
#pragma once

[[noreturn]] void FatalError(const char* what);
