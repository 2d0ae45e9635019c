// The registry back end: each setting is a key of its own under HKEY_CURRENT_USER whose
// unnamed REG_SZ value holds the text.
#pragma once

#include <string>

// Creates the key path as needed and stores text with its NUL; failures are ignored.
void RegistryWriteString(const char* keyPath, const char* text);
// The stored text, or "" when the key or value is missing, is not REG_SZ or is longer
// than 1024 bytes.
std::string RegistryReadString(const char* keyPath);
