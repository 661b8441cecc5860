#include "common/testing/memory_key_value_store.hpp"

#include "common/text.hpp"

namespace karvelo::testing {

MemoryKeyValueStore::MemoryKeyValueStore() {
    for (std::uint32_t root = 0x80000000u; root <= 0x80000006u; ++root) roots_[root];
}

std::optional<MemoryKeyValueStore::Path> MemoryKeyValueStore::split(std::string_view subkey) {
    Path path;
    if (subkey.empty()) return path;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = subkey.find('\\', start);
        const std::string_view name = subkey.substr(start, end - start);
        if (end == std::string_view::npos) {
            if (!name.empty()) path.push_back(upperAnsi(name));
            return path;
        }
        // Only a trailing "\" may leave a name empty.
        if (name.empty()) return std::nullopt;
        path.push_back(upperAnsi(name));
        start = end + 1;
    }
}

MemoryKeyValueStore::Node* MemoryKeyValueStore::find(std::uint32_t root, const Path& path) {
    const auto it = roots_.find(root);
    if (it == roots_.end()) return nullptr;
    Node* node = &it->second;
    for (const std::string& name : path) {
        const auto sub = node->subkeys.find(name);
        if (sub == node->subkeys.end()) return nullptr;
        node = sub->second.get();
    }
    return node;
}

MemoryKeyValueStore::Node* MemoryKeyValueStore::node(Handle key, KeyAccess needed) {
    const auto it = open_.find(key);
    if (it == open_.end()) return nullptr;
    if (needed == KeyAccess::Full && it->second.access != KeyAccess::Full) return nullptr;
    return find(it->second.root, it->second.path);
}

MemoryKeyValueStore::Handle MemoryKeyValueStore::issue(std::uint32_t root, Path path,
                                                       KeyAccess access) {
    const Handle handle = nextHandle_++;
    open_[handle] = OpenKey{root, std::move(path), access};
    return handle;
}

bool MemoryKeyValueStore::denyWrites(std::uint32_t root, std::string_view subkey) {
    const auto path = split(subkey);
    Node* node = path ? find(root, *path) : nullptr;
    if (!node) return false;
    node->writable = false;
    return true;
}

std::optional<MemoryKeyValueStore::Handle> MemoryKeyValueStore::openHandle(std::uint32_t root,
                                                                           std::string_view subkey,
                                                                           KeyAccess access) {
    auto path = split(subkey);
    if (!path) return std::nullopt;
    const Node* node = find(root, *path);
    if (!node || (access == KeyAccess::Full && !node->writable)) return std::nullopt;
    return issue(root, std::move(*path), access);
}

std::optional<MemoryKeyValueStore::Handle> MemoryKeyValueStore::createHandle(
    std::uint32_t root, std::string_view subkey) {
    auto path = split(subkey);
    Node* node = path ? find(root, {}) : nullptr;
    if (!node) return std::nullopt;
    // Every missing key is created in its parent, which must be writable; the key itself
    // is opened with full access, so it must be writable too.
    for (std::size_t i = 0; i < path->size(); ++i) {
        auto& slot = node->subkeys[(*path)[i]];
        if (!slot) {
            if (!node->writable) {
                node->subkeys.erase((*path)[i]);
                return std::nullopt;
            }
            slot = std::make_unique<Node>();
        }
        node = slot.get();
    }
    if (!node->writable) return std::nullopt;
    return issue(root, std::move(*path), KeyAccess::Full);
}

bool MemoryKeyValueStore::deleteKey(std::uint32_t root, std::string_view subkey) {
    const auto path = split(subkey);
    if (!path || path->empty()) return false;
    Node* parent = find(root, Path(path->begin(), path->end() - 1));
    if (!parent) return false;
    const auto it = parent->subkeys.find(path->back());
    if (it == parent->subkeys.end() || !it->second->subkeys.empty()) return false;
    parent->subkeys.erase(it);
    return true;
}

std::optional<ValueInfo> MemoryKeyValueStore::queryValue(Handle key, std::string_view name) {
    const Node* node = this->node(key, KeyAccess::Read);
    if (!node) return std::nullopt;
    const auto it = node->values.find(upperAnsi(name));
    if (it == node->values.end()) return std::nullopt;
    return ValueInfo{it->second.type, it->second.bytes.size()};
}

std::optional<ValueData> MemoryKeyValueStore::readValue(Handle key, std::string_view name,
                                                        std::size_t maxSize) {
    const Node* node = this->node(key, KeyAccess::Read);
    if (!node) return std::nullopt;
    const auto it = node->values.find(upperAnsi(name));
    if (it == node->values.end() || it->second.bytes.size() > maxSize) return std::nullopt;
    return it->second;
}

bool MemoryKeyValueStore::setValue(Handle key, std::string_view name, std::uint32_t type,
                                   std::string_view bytes) {
    Node* node = this->node(key, KeyAccess::Full);
    if (!node || name.size() > kMaxValueName) return false;
    node->values[upperAnsi(name)] = ValueData{type, std::string(bytes)};
    return true;
}

bool MemoryKeyValueStore::deleteValue(Handle key, std::string_view name) {
    Node* node = this->node(key, KeyAccess::Full);
    return node && node->values.erase(upperAnsi(name)) != 0;
}

}  // namespace karvelo::testing
