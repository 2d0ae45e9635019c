// The names the application derives from its executable's path: help file, profile
// file, the caption of its message boxes. Pure, so that every rule is testable anywhere.
#pragma once

#include <optional>
#include <string>

struct ModuleNames {
    std::string modulePath;      // C:\GAMES\ABC.EXE
    std::string basePath;        // C:\GAMES\ABC  (always the last four characters cut)
    std::string executableName;  // ABC
    std::string applicationName; // ABC
    std::string helpFilePath;    // C:\GAMES\ABC.HLP
    std::string profileFileName; // ABC.INI, no directory: the system keeps it in the Windows folder
};

// The file-name part of a path: what follows the last '\', '/' or ':'.
std::string FileNamePart(const std::string& path);

// fileTitle is what the platform's file-title query gave for the base path, or nothing
// when that query failed (then the file-name part of the base path is used).
ModuleNames DeriveModuleNames(const std::string& modulePath,
                              const std::optional<std::string>& fileTitle);
