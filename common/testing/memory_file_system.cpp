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

std::string MemoryFileSystem::folderKey(std::string_view path) {
    std::string k = key(path);
    if (!k.empty() && k.back() != '\\') k += '\\';
    return k;
}

bool MemoryFileSystem::holdsAnything(const std::string& folder) const {
    const auto file = files_.lower_bound(folder);
    if (file != files_.end() && file->first.starts_with(folder)) return true;
    const auto sub = folders_.upper_bound(folder);
    return sub != folders_.end() && sub->starts_with(folder);
}

void MemoryFileSystem::addFolder(std::string_view folder) {
    const std::string k = folderKey(folder);
    for (std::size_t at = k.find('\\'); at != std::string::npos; at = k.find('\\', at + 1)) {
        folders_.insert(k.substr(0, at + 1));
    }
}

void MemoryFileSystem::putFile(std::string_view path, std::string_view bytes) {
    addFolder(folderPart(path));
    files_[key(path)] = std::string(bytes);
    names_[key(path)] = std::string(fileNamePart(path));
}

std::optional<std::string> MemoryFileSystem::file(std::string_view path) const {
    const auto it = files_.find(key(path));
    if (it == files_.end()) return std::nullopt;
    return it->second;
}

void MemoryFileSystem::makeUnreadable(std::string_view path) { unreadable_.insert(key(path)); }
void MemoryFileSystem::makeReadOnly(std::string_view path) { readOnly_.insert(key(path)); }
void MemoryFileSystem::markInUse(std::string_view path) { inUse_.insert(key(path)); }

std::optional<std::string> MemoryFileSystem::readFile(std::string_view path) {
    if (unreadable_.count(key(path))) return std::nullopt;
    return file(path);
}

bool MemoryFileSystem::writeFile(std::string_view path, std::string_view bytes) {
    const std::string k = key(path);
    if (!folders_.count(folderKey(folderPart(path))) || fileNamePart(k).empty() ||
        folders_.count(k + '\\') || readOnly_.count(k) || inUse_.count(k)) {
        return false;
    }
    if (writeLimit_ && bytes.size() > *writeLimit_) {
        files_.erase(k);
        return false;
    }
    files_[k] = std::string(bytes);
    names_[k] = std::string(fileNamePart(path));
    return true;
}

bool MemoryFileSystem::fileExists(std::string_view path) { return files_.count(key(path)) != 0; }

bool MemoryFileSystem::deleteFile(std::string_view path) {
    const std::string k = key(path);
    if (readOnly_.count(k) || inUse_.count(k)) return false;
    names_.erase(k);
    return files_.erase(k) != 0;
}

bool MemoryFileSystem::folderExists(std::string_view path) { return folders_.count(folderKey(path)) != 0; }

bool MemoryFileSystem::createFolder(std::string_view path) {
    const std::string k = folderKey(path);
    if (k.empty() || folders_.count(k) || files_.count(k.substr(0, k.size() - 1))) return false;
    if (!folders_.count(std::string(folderPart(k.substr(0, k.size() - 1))))) return false;
    folders_.insert(k);
    return true;
}

bool MemoryFileSystem::removeFolder(std::string_view path) {
    const std::string k = folderKey(path);
    if (k.empty() || !folders_.count(k) || holdsAnything(k)) return false;
    folders_.erase(k);
    return true;
}

std::vector<std::string> MemoryFileSystem::filesIn(std::string_view folder) {
    const std::string k = folderKey(folder);
    std::vector<std::string> names;
    for (auto it = files_.lower_bound(k); it != files_.end() && it->first.starts_with(k); ++it) {
        if (it->first.find('\\', k.size()) == std::string::npos) names.push_back(names_[it->first]);
    }
    return names;
}

bool MemoryFileSystem::removeFolderTree(std::string_view path) {
    const std::string k = folderKey(path);
    if (k.empty()) return false;
    for (auto it = files_.lower_bound(k); it != files_.end() && it->first.starts_with(k);) {
        if (inUse_.count(it->first)) {
            ++it;
            continue;
        }
        readOnly_.erase(it->first);
        names_.erase(it->first);
        it = files_.erase(it);
    }
    // Deepest folders first, as a real removal must go.
    for (auto it = folders_.end(); it != folders_.begin();) {
        --it;
        if (it->starts_with(k) && !holdsAnything(*it)) {
            it = folders_.erase(it);
        }
    }
    return !folders_.count(k);
}

}  // namespace karvelo::testing
