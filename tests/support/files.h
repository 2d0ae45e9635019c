// Files as the tests meet them: the Windows folder, where the platform keeps profile files; a
// file's whole content, read or written; a file held open as another program might hold it.
#pragma once

#include "win32_handles.h"

#include <optional>
#include <string>

// The path of a file in the Windows folder, such as the profile file the program names.
std::string WindowsFile(const std::string& name);
// The path of a file beside this test program: what the build copied there for it.
std::string BesideProgram(const std::string& name);
bool PathExists(const std::string& path);
// The file's bytes, or nothing when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::string& path);
// Makes the file hold exactly these bytes; false when it cannot.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// The file open for reading, sharing with others only what `share` allows (0: nothing).
KernelHandle HoldFile(const std::string& path, DWORD share = 0);
