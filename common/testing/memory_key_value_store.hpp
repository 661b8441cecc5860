#pragma once
// An in-memory registry with the rules the registry helper depends on: the seven roots
// exist, key and value names ignore letter case, a trailing "\" addresses the same key,
// an empty value name is the default value, and a key with subkeys cannot be deleted.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/key_value_store.hpp"

namespace karvelo::testing {

class MemoryKeyValueStore final : public KeyValueStore {
public:
    MemoryKeyValueStore();

    // Failure injection, as an access list that grants reading only: the key can still be
    // opened for reading and deleted, but not opened with full access or created below.
    // False when the key does not exist.
    bool denyWrites(std::uint32_t root, std::string_view subkey);
    // Keys opened and not closed yet.
    std::size_t openKeyCount() const { return open_.size(); }

    bool deleteKey(std::uint32_t root, std::string_view subkey) override;

    // The longest value name the registry accepts.
    static constexpr std::size_t kMaxValueName = 16383;

protected:
    std::optional<Handle> openHandle(std::uint32_t root, std::string_view subkey,
                                     KeyAccess access) override;
    std::optional<Handle> createHandle(std::uint32_t root, std::string_view subkey) override;
    void closeHandle(Handle key) override { open_.erase(key); }
    std::optional<ValueInfo> queryValue(Handle key, std::string_view name) override;
    std::optional<ValueData> readValue(Handle key, std::string_view name,
                                       std::size_t maxSize) override;
    bool setValue(Handle key, std::string_view name, std::uint32_t type,
                  std::string_view bytes) override;
    bool deleteValue(Handle key, std::string_view name) override;

private:
    struct Node {
        std::map<std::string, std::unique_ptr<Node>> subkeys;  // by upper-cased name
        std::map<std::string, ValueData> values;               // by upper-cased name
        bool writable = true;
    };
    using Path = std::vector<std::string>;  // upper-cased names below the root
    struct OpenKey {
        std::uint32_t root;
        Path path;
        KeyAccess access;
    };

    static std::optional<Path> split(std::string_view subkey);
    Node* find(std::uint32_t root, const Path& path);
    // The node behind an open handle; null when the handle is unknown or its key was deleted.
    Node* node(Handle key, KeyAccess needed);
    Handle issue(std::uint32_t root, Path path, KeyAccess access);

    std::map<std::uint32_t, Node> roots_;
    std::map<Handle, OpenKey> open_;
    Handle nextHandle_ = 1;
};

}  // namespace karvelo::testing
