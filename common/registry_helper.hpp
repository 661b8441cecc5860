#pragma once
// The registry helper: the only way the programs read and write the registry. Every
// operation validates its arguments, reports 1/0 (or the value read, empty/0 on failure)
// and leaves a fixed English message in the helper error text when it fails.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/helper_error.hpp"
#include "common/key_value_store.hpp"

namespace karvelo {

// The seven predefined root keys, as 32-bit handle values.
using RootKey = std::uint32_t;
inline constexpr RootKey kClassesRoot = 0x80000000u;
inline constexpr RootKey kCurrentUser = 0x80000001u;
inline constexpr RootKey kLocalMachine = 0x80000002u;
inline constexpr RootKey kUsers = 0x80000003u;
inline constexpr RootKey kPerformanceData = 0x80000004u;
inline constexpr RootKey kCurrentConfig = 0x80000005u;
inline constexpr RootKey kDynData = 0x80000006u;

class RegistryHelper {
public:
    RegistryHelper(KeyValueStore& store, HelperError& error) : store_(store), error_(error) {}

    int RegistryKeyExists(RootKey root, std::string_view subkey);
    int RegistryCreateKey(RootKey root, std::string_view subkey);
    int RegistryWriteText(RootKey root, std::string_view subkey, std::string_view valueName,
                          std::string_view text);
    std::string RegistryReadText(RootKey root, std::string_view subkey, std::string_view valueName);
    int RegistryWriteNumber(RootKey root, std::string_view subkey, std::string_view valueName,
                            std::int32_t number);
    std::int32_t RegistryReadNumber(RootKey root, std::string_view subkey, std::string_view valueName);
    int RegistryDeleteValue(RootKey root, std::string_view subkey, std::string_view valueName);
    int RegistryDeleteKey(RootKey root, std::string_view subkey);
    // The helper error text, which is then cleared.
    std::string HelperLastError() { return error_.take(); }
    std::int64_t BinaryTextToNumber(std::string_view text);
    std::string AssociatedProgram(std::string_view extension);

private:
    // What the common opening checks beyond the root and the subkey.
    enum class Needs { Nothing, ExistingKey, ExistingKeyAndValueName };
    // Clears the error text and validates the arguments in the fixed order; false (with
    // the message set) when the operation must fail.
    bool checkArguments(RootKey root, std::string_view subkey, std::string_view valueName,
                        Needs needs);
    int writeValue(RootKey root, std::string_view subkey, std::string_view valueName,
                   std::uint32_t type, std::string_view bytes);

    KeyValueStore& store_;
    HelperError& error_;
};

}  // namespace karvelo
