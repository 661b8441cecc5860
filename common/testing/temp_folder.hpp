#pragma once
// A fresh folder for a test's files, removed with everything in it at the end.
#include <string>

namespace karvelo::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // The folder's path, ending in the platform's separator.
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Gives a real file the read-only attribute (Windows) or mode (POSIX).
void setReadOnly(const std::string& path);

}  // namespace karvelo::testing
