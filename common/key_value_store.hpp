#pragma once
// The registry as the registry helper sees it: keys addressed by a path below one of the
// predefined roots, each holding typed values. A Win32 adapter and an in-memory fake
// implement it. Keys are handed out as owning `Key` objects, so every exit path closes them.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace karvelo {

// Value types in the registry's own numbering; the helper only tells these two apart.
inline constexpr std::uint32_t kTextValue = 1;    // REG_SZ
inline constexpr std::uint32_t kNumberValue = 4;  // REG_DWORD

// KEY_READ or KEY_ALL_ACCESS.
enum class KeyAccess { Read, Full };

struct ValueInfo {
    std::uint32_t type = 0;
    std::size_t size = 0;  // bytes of data
};

struct ValueData {
    std::uint32_t type = 0;
    std::string bytes;
};

class KeyValueStore {
public:
    class Key;

    virtual ~KeyValueStore() = default;

    // Roots are the 32-bit values of the predefined keys (0x80000000 to 0x80000006); any
    // other root fails. An empty subkey addresses the root itself. An empty Key on failure.
    Key openKey(std::uint32_t root, std::string_view subkey, KeyAccess access);
    // Opens the key with full access, creating it and any missing keys above it.
    Key createKey(std::uint32_t root, std::string_view subkey);
    // Removes a key that has no subkeys.
    virtual bool deleteKey(std::uint32_t root, std::string_view subkey) = 0;

protected:
    // Opaque to everyone but the store that issued it.
    using Handle = std::uintptr_t;

    virtual std::optional<Handle> openHandle(std::uint32_t root, std::string_view subkey,
                                             KeyAccess access) = 0;
    virtual std::optional<Handle> createHandle(std::uint32_t root, std::string_view subkey) = 0;
    virtual void closeHandle(Handle key) = 0;
    // An empty value name addresses the key's default value.
    virtual std::optional<ValueInfo> queryValue(Handle key, std::string_view name) = 0;
    virtual std::optional<ValueData> readValue(Handle key, std::string_view name,
                                               std::size_t maxSize) = 0;
    virtual bool setValue(Handle key, std::string_view name, std::uint32_t type,
                          std::string_view bytes) = 0;
    virtual bool deleteValue(Handle key, std::string_view name) = 0;
};

// An open key; closed when it goes out of scope. An empty Key fails every operation.
class KeyValueStore::Key {
public:
    Key() = default;
    Key(Key&& other) noexcept
        : store_(std::exchange(other.store_, nullptr)), handle_(other.handle_) {}
    Key& operator=(Key&& other) noexcept {
        if (this != &other) {
            close();
            store_ = std::exchange(other.store_, nullptr);
            handle_ = other.handle_;
        }
        return *this;
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    ~Key() { close(); }

    explicit operator bool() const { return store_ != nullptr; }

    // Type and size of a value without its data; nothing when the value is missing.
    std::optional<ValueInfo> query(std::string_view name) const {
        if (!store_) return std::nullopt;
        return store_->queryValue(handle_, name);
    }
    // The value's type and data; nothing when it is missing or holds more than maxSize bytes.
    std::optional<ValueData> read(std::string_view name, std::size_t maxSize) const {
        if (!store_) return std::nullopt;
        return store_->readValue(handle_, name, maxSize);
    }
    // Creates or replaces the value; needs a key opened with full access.
    bool set(std::string_view name, std::uint32_t type, std::string_view bytes) const {
        return store_ && store_->setValue(handle_, name, type, bytes);
    }
    bool deleteValue(std::string_view name) const {
        return store_ && store_->deleteValue(handle_, name);
    }
    void close() {
        if (store_) std::exchange(store_, nullptr)->closeHandle(handle_);
    }

private:
    friend class KeyValueStore;
    Key(KeyValueStore& store, Handle handle) : store_(&store), handle_(handle) {}

    KeyValueStore* store_ = nullptr;
    Handle handle_ = 0;
};

inline KeyValueStore::Key KeyValueStore::openKey(std::uint32_t root, std::string_view subkey,
                                                 KeyAccess access) {
    const auto handle = openHandle(root, subkey, access);
    return handle ? Key(*this, *handle) : Key();
}

inline KeyValueStore::Key KeyValueStore::createKey(std::uint32_t root, std::string_view subkey) {
    const auto handle = createHandle(root, subkey);
    return handle ? Key(*this, *handle) : Key();
}

// The registry of the machine the program runs on (Windows only).
std::unique_ptr<KeyValueStore> makeSystemKeyValueStore();

}  // namespace karvelo
