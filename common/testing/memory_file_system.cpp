#include "common/testing/memory_file_system.hpp"

#include "common/text.hpp"

namespace karvelo::testing {

std::string MemoryFileSystem::key(std::string_view path) {
    std::string k = upperAnsi(path);
    for (char& c : k) {
        if (c == '/') c = '\\';
    }
    return k;
}

void MemoryFileSystem::addFolder(std::string_view folder) {
    std::string k = key(folder);
    if (!k.empty() && k.back() != '\\') k += '\\';
    folders_.insert(k);
}

void MemoryFileSystem::putFile(std::string_view path, std::string_view bytes) {
    addFolder(folderPart(path));
    files_[key(path)] = std::string(bytes);
}

std::optional<std::string> MemoryFileSystem::file(std::string_view path) const {
    const auto it = files_.find(key(path));
    if (it == files_.end()) return std::nullopt;
    return it->second;
}

void MemoryFileSystem::makeUnreadable(std::string_view path) { unreadable_.insert(key(path)); }

std::optional<std::string> MemoryFileSystem::readFile(std::string_view path) {
    if (unreadable_.count(key(path))) return std::nullopt;
    return file(path);
}

bool MemoryFileSystem::writeFile(std::string_view path, std::string_view bytes) {
    const std::string k = key(path);
    if (!folders_.count(key(folderPart(path))) || fileNamePart(k).empty() || folders_.count(k + '\\')) {
        return false;
    }
    if (writeLimit_ && bytes.size() > *writeLimit_) {
        files_.erase(k);
        return false;
    }
    files_[k] = std::string(bytes);
    return true;
}

bool MemoryFileSystem::fileExists(std::string_view path) { return files_.count(key(path)) != 0; }

bool MemoryFileSystem::deleteFile(std::string_view path) { return files_.erase(key(path)) != 0; }

}  // namespace karvelo::testing
