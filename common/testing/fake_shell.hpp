#pragma once
// An in-memory shell: folders, links, mutexes and the rest set and read by the test.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/shell.hpp"

namespace karvelo::testing {

class FakeShell final : public Shell {
public:
    FakeShell();

    std::map<SpecialFolder, std::optional<std::string>> folders;
    std::vector<ShellLink> savedLinks;
    bool linkObjectAvailable = true;
    OsVersion version;
    std::set<std::string> mutexes;  // names held by any process
    int pixelsPerInch = 96;
    std::vector<std::uint32_t> terminated;
    std::vector<std::uint32_t> sleeps;
    std::uint32_t sleptMilliseconds() const;

    std::optional<std::string> specialFolderPath(SpecialFolder folder) override;
    bool saveShellLink(const ShellLink& link) override;
    OsVersion osVersion() override { return version; }
    bool mutexExists(std::string_view name) override;
    void holdMutex(std::string_view name) override;
    int screenPixelsPerInch() override { return pixelsPerInch; }
    bool terminateProcess(std::uint32_t processId, std::uint32_t exitCode) override;
    void sleep(std::uint32_t milliseconds) override { sleeps.push_back(milliseconds); }
};

}  // namespace karvelo::testing
