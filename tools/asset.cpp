// Writing generated files.
#include "asset.h"

#include <fstream>
#include <system_error>

bool WriteAssets(const std::filesystem::path& folder, const std::vector<Asset>& assets) {
    for (const Asset& asset : assets) {
        const std::filesystem::path target = folder / asset.path;
        std::error_code error;
        std::filesystem::create_directories(target.parent_path(), error);
        if (error) {
            return false;
        }
        std::ofstream file(target, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(asset.bytes.data()),
                   static_cast<std::streamsize>(asset.bytes.size()));
        if (!file) {
            return false;
        }
    }
    return true;
}
