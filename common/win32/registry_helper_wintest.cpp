// The registry helper cases against the real registry. Each test works below its own key
// "Software\KarveloTest\<process>-<n>\" of HKEY_CURRENT_USER and removes it again.
#include <windows.h>

#include <sddl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "common/registry_helper.hpp"
#include "common/testing/registry_contract.hpp"

namespace karvelo::testing {
namespace {

using KeyOwner = std::unique_ptr<std::remove_pointer_t<HKEY>, decltype(&RegCloseKey)>;

KeyOwner openRaw(const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, access, &key) != ERROR_SUCCESS) {
        key = nullptr;
    }
    return KeyOwner(key, &RegCloseKey);
}

// Removes the key with everything below it, deepest keys first.
void deleteTree(const std::string& path) {
    std::vector<std::string> names;
    if (const KeyOwner key = openRaw(path, KEY_READ)) {
        char name[256];
        DWORD size = sizeof name;
        for (DWORD i = 0; RegEnumKeyExA(key.get(), i, name, &size, nullptr, nullptr, nullptr,
                                        nullptr) == ERROR_SUCCESS;
             ++i, size = sizeof name) {
            names.emplace_back(name, size);
        }
    }
    for (const std::string& name : names) deleteTree(path + "\\" + name);
    RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}

// Leaves everyone reading and deleting the key (so the test can remove it), nothing else.
bool denyWrites(const std::string& subkey) {
    const KeyOwner key = openRaw(subkey, WRITE_DAC);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!key || !ConvertStringSecurityDescriptorToSecurityDescriptorA(
                    "D:P(A;;KRSD;;;WD)", SDDL_REVISION_1, &descriptor, nullptr)) {
        return false;
    }
    const bool set =
        RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
    LocalFree(descriptor);
    // Only useful when the registry enforces it.
    return set && !openRaw(subkey, KEY_ALL_ACCESS);
}

RegistryBackend systemBackend() {
    static int count = 0;
    const std::string top = "Software\\KarveloTest";
    const std::string own =
        top + "\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count);
    deleteTree(own);
    HKEY created = nullptr;
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, own.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &created, nullptr),
              ERROR_SUCCESS);
    const KeyOwner key(created, &RegCloseKey);
    // The shared parent goes too once no other test run uses it.
    std::shared_ptr<void> cleanup(nullptr, [own, top](void*) {
        deleteTree(own);
        RegDeleteKeyA(HKEY_CURRENT_USER, top.c_str());
    });
    return {makeSystemKeyValueStore(), own + "\\", denyWrites, nullptr, std::move(cleanup)};
}

INSTANTIATE_TEST_SUITE_P(Backends, RegistryContract,
                         ::testing::Values(std::make_pair("System",
                                                          RegistryBackendFactory(systemBackend))),
                         [](const auto& info) { return std::string(info.param.first); });

TEST(SystemRegistry, TestKeyIsRemovedWithEverythingBelowIt) {
    std::string base;
    {
        const RegistryBackend backend = systemBackend();
        base = backend.base;
        ASSERT_TRUE(backend.store->createKey(kCurrentUser, base + "Left\\Behind\\"));
    }
    EXPECT_FALSE(openRaw(base, KEY_READ));
}

}  // namespace
}  // namespace karvelo::testing
