// Reading a help document from disk: the whole file, only if it is a plain file small enough
// to hold and written in the rich text format the help window shows.
#pragma once

#include <optional>
#include <string>

// The file's bytes, or nothing when it is missing, unreadable, not a plain disk file, too
// large, or not rich text. No handle stays open once this returns.
std::optional<std::string> ReadHelpDocument(const std::string& path);

// The path in full (drive, directory, name), so that two spellings of one file compare equal.
std::string FullHelpPath(const std::string& path);

// Whether two full paths name the same file, as the file system compares names.
bool SameHelpPath(const std::string& first, const std::string& second);
