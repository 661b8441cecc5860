#pragma once
// An in-memory file system with Windows path rules (case-insensitive, '\' or '/').
#include <map>
#include <optional>
#include <set>
#include <string>

#include "common/file_system.hpp"

namespace karvelo::testing {

class MemoryFileSystem final : public FileSystem {
public:
    // Folders must exist before files can be written into them; "" is the current folder.
    void addFolder(std::string_view folder);
    void putFile(std::string_view path, std::string_view bytes);
    std::optional<std::string> file(std::string_view path) const;

    // Failure injection: the file exists but cannot be opened; writing stops (as on a
    // full disk) after `bytes` bytes of every later write.
    void makeUnreadable(std::string_view path);
    void failWritesAfter(std::size_t bytes) { writeLimit_ = bytes; }

    std::optional<std::string> readFile(std::string_view path) override;
    bool writeFile(std::string_view path, std::string_view bytes) override;
    bool fileExists(std::string_view path) override;
    bool deleteFile(std::string_view path) override;

private:
    static std::string key(std::string_view path);
    std::map<std::string, std::string> files_;
    std::set<std::string> folders_{""};
    std::set<std::string> unreadable_;
    std::optional<std::size_t> writeLimit_;
};

}  // namespace karvelo::testing
