// The key-value store on the Windows registry, through the ANSI registry functions so that
// texts stay in the ANSI code page.
#include <windows.h>

#include <vector>

#include "common/key_value_store.hpp"

namespace karvelo {
namespace {

// The predefined key for one of the seven root values; null for any other value.
HKEY rootKey(std::uint32_t root) {
    switch (root) {
        case 0x80000000u:
            return HKEY_CLASSES_ROOT;
        case 0x80000001u:
            return HKEY_CURRENT_USER;
        case 0x80000002u:
            return HKEY_LOCAL_MACHINE;
        case 0x80000003u:
            return HKEY_USERS;
        case 0x80000004u:
            return HKEY_PERFORMANCE_DATA;
        case 0x80000005u:
            return HKEY_CURRENT_CONFIG;
        case 0x80000006u:
            return HKEY_DYN_DATA;
        default:
            return nullptr;
    }
}

class Win32KeyValueStore final : public KeyValueStore {
public:
    bool deleteKey(std::uint32_t root, std::string_view subkey) override {
        const HKEY parent = rootKey(root);
        // An empty path (or one of backslashes alone) would address the root itself.
        if (!parent || subkey.find_first_not_of('\\') == std::string_view::npos) return false;
        return RegDeleteKeyA(parent, std::string(subkey).c_str()) == ERROR_SUCCESS;
    }

protected:
    std::optional<Handle> openHandle(std::uint32_t root, std::string_view subkey,
                                     KeyAccess access) override {
        const HKEY parent = rootKey(root);
        if (!parent) return std::nullopt;
        HKEY key = nullptr;
        const REGSAM rights = access == KeyAccess::Full ? KEY_ALL_ACCESS : KEY_READ;
        if (RegOpenKeyExA(parent, std::string(subkey).c_str(), 0, rights, &key) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return reinterpret_cast<Handle>(key);
    }

    std::optional<Handle> createHandle(std::uint32_t root, std::string_view subkey) override {
        const HKEY parent = rootKey(root);
        if (!parent) return std::nullopt;
        HKEY key = nullptr;
        if (RegCreateKeyExA(parent, std::string(subkey).c_str(), 0, nullptr,
                            REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return reinterpret_cast<Handle>(key);
    }

    void closeHandle(Handle key) override { RegCloseKey(hkey(key)); }

    std::optional<ValueInfo> queryValue(Handle key, std::string_view name) override {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(hkey(key), std::string(name).c_str(), nullptr, &type, nullptr,
                             &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return ValueInfo{type, size};
    }

    std::optional<ValueData> readValue(Handle key, std::string_view name,
                                       std::size_t maxSize) override {
        if (maxSize > MAXDWORD) maxSize = MAXDWORD;
        // Never hand over a null buffer: that would ask for the size instead of the data.
        std::vector<BYTE> buffer(maxSize == 0 ? 1 : maxSize);
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(maxSize);
        if (RegQueryValueExA(hkey(key), std::string(name).c_str(), nullptr, &type, buffer.data(),
                             &size) != ERROR_SUCCESS ||
            size > maxSize) {
            return std::nullopt;
        }
        return ValueData{type, std::string(reinterpret_cast<const char*>(buffer.data()), size)};
    }

    bool setValue(Handle key, std::string_view name, std::uint32_t type,
                  std::string_view bytes) override {
        if (bytes.size() > MAXDWORD) return false;
        return RegSetValueExA(hkey(key), std::string(name).c_str(), 0, type,
                              reinterpret_cast<const BYTE*>(bytes.data()),
                              static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
    }

    bool deleteValue(Handle key, std::string_view name) override {
        return RegDeleteValueA(hkey(key), std::string(name).c_str()) == ERROR_SUCCESS;
    }

private:
    static HKEY hkey(Handle key) { return reinterpret_cast<HKEY>(key); }
};

}  // namespace

std::unique_ptr<KeyValueStore> makeSystemKeyValueStore() {
    return std::make_unique<Win32KeyValueStore>();
}

}  // namespace karvelo
