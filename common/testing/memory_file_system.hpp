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
    // Adds the folder and every folder above it; "" is the current folder, which exists.
    void addFolder(std::string_view folder);
    // Adds the file and the folders above it.
    void putFile(std::string_view path, std::string_view bytes);
    std::optional<std::string> file(std::string_view path) const;

    // Failure injection. An unreadable file exists but cannot be opened; a read-only file
    // resists deleteFile (as on Windows) but not removeFolderTree; a file in use resists
    // both; writing stops (as on a full disk) after `bytes` bytes of every later write.
    void makeUnreadable(std::string_view path);
    void makeReadOnly(std::string_view path);
    void markInUse(std::string_view path);
    void failWritesAfter(std::size_t bytes) { writeLimit_ = bytes; }

    std::optional<std::string> readFile(std::string_view path) override;
    bool writeFile(std::string_view path, std::string_view bytes) override;
    bool fileExists(std::string_view path) override;
    bool deleteFile(std::string_view path) override;
    bool folderExists(std::string_view path) override;
    bool createFolder(std::string_view path) override;
    bool removeFolder(std::string_view path) override;
    std::vector<std::string> filesIn(std::string_view folder) override;
    bool removeFolderTree(std::string_view path) override;

private:
    static std::string key(std::string_view path);
    static std::string folderKey(std::string_view path);
    bool holdsAnything(const std::string& folder) const;

    std::map<std::string, std::string> files_;  // upper-cased path -> bytes
    std::map<std::string, std::string> names_;  // upper-cased path -> name as written
    std::set<std::string> folders_{""};         // upper-cased, ending in '\'
    std::set<std::string> unreadable_, readOnly_, inUse_;
    std::optional<std::size_t> writeLimit_;
};

}  // namespace karvelo::testing
