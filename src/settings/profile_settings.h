// The profile back end (Win32s): entries in one section of the application's profile
// file, read and written through the application object.
#pragma once

#include <string>

// Writes key=text in section; nothing happens without an application object.
void ProfileWriteString(const char* section, const char* key, const char* text);
// The entry's text (at most 259 characters), or "" when there is none.
std::string ProfileReadString(const char* section, const char* key);
