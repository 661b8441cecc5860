#include <windows.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "common/testing/temp_folder.hpp"

namespace karvelo::testing {

TempFolder::TempFolder() {
    char base[MAX_PATH + 1] = {};
    GetTempPathA(sizeof base, base);
    for (unsigned attempt = 0; attempt < 1000; ++attempt) {
        const std::string candidate = std::string(base) + "karvelo-" +
                                      std::to_string(GetCurrentProcessId()) + "-" +
                                      std::to_string(GetTickCount() + attempt);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate + "\\";
            return;
        }
    }
    throw std::runtime_error("no temporary folder");
}

TempFolder::~TempFolder() {
    // Read-only files would stop std::filesystem::remove_all on Windows.
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
        SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(path_, ignored);
}

void setReadOnly(const std::string& path) { SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY); }

}  // namespace karvelo::testing
