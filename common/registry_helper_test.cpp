// The registry helper cases against the in-memory registry. The same cases run against the
// real registry under Wine in win32/registry_helper_wintest.cpp.
#include "common/registry_helper.hpp"

#include <gtest/gtest.h>

#include "common/testing/memory_key_value_store.hpp"
#include "common/testing/registry_contract.hpp"

namespace karvelo::testing {
namespace {

RegistryBackend memoryBackend() {
    auto store = std::make_unique<MemoryKeyValueStore>();
    MemoryKeyValueStore* memory = store.get();
    const std::string base = "Software\\KarveloTest\\Memory\\";
    store->createKey(kCurrentUser, base);
    return {
        std::move(store), base,
        [memory](const std::string& subkey) { return memory->denyWrites(kCurrentUser, subkey); },
        [memory] { return memory->openKeyCount(); }, nullptr};
}

INSTANTIATE_TEST_SUITE_P(Backends, RegistryContract,
                         ::testing::Values(std::make_pair("Memory",
                                                          RegistryBackendFactory(memoryBackend))),
                         [](const auto& info) { return std::string(info.param.first); });

}  // namespace
}  // namespace karvelo::testing
