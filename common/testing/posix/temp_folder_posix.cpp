#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <stdexcept>

#include "common/testing/temp_folder.hpp"

namespace karvelo::testing {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "karvelo-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern + "/";
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void setReadOnly(const std::string& path) { ::chmod(path.c_str(), 0444); }

}  // namespace karvelo::testing
