// The one call that stores a setting's value in the registry. Kept apart so that tests can link
// their own writer in its place and see the exact bytes handed over: Wine's RegSetValueExA adds
// a NUL that the caller left out, where Windows 95 stores only what it is given.
#pragma once

#include <windows.h>

// Sets the key's unnamed value; the registry's result.
LONG WriteUnnamedRegistryValue(HKEY key, DWORD type, const BYTE* data, DWORD byteCount);
