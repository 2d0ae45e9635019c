// Derivation of the help and profile file names from the module path.
#include "module_names.h"

std::string FileNamePart(const std::string& path) {
    const auto separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

ModuleNames DeriveModuleNames(const std::string& modulePath,
                              const std::optional<std::string>& fileTitle) {
    ModuleNames names;
    names.modulePath = modulePath;
    names.basePath = modulePath.substr(0, modulePath.size() >= 4 ? modulePath.size() - 4 : 0);
    names.executableName = fileTitle ? *fileTitle : FileNamePart(names.basePath);
    names.applicationName = names.executableName;
    names.helpFilePath = names.basePath + ".HLP";
    names.profileFileName = names.executableName + ".INI";
    return names;
}
