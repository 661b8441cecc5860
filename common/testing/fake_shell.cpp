#include "common/testing/fake_shell.hpp"

#include <numeric>

namespace karvelo::testing {

FakeShell::FakeShell() {
    folders[SpecialFolder::CommonPrograms] = "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs";
    folders[SpecialFolder::UserPrograms] = "C:\\users\\Techniker\\Start Menu\\Programs";
    folders[SpecialFolder::CommonDesktop] = "C:\\users\\Public\\Desktop";
    folders[SpecialFolder::UserDesktop] = "C:\\users\\Techniker\\Desktop";
    folders[SpecialFolder::ProgramFiles] = "C:\\Program Files";
    folders[SpecialFolder::Personal] = "C:\\users\\Techniker\\Documents";
}

std::uint32_t FakeShell::sleptMilliseconds() const {
    return std::accumulate(sleeps.begin(), sleeps.end(), 0u);
}

std::optional<std::string> FakeShell::specialFolderPath(SpecialFolder folder) {
    const auto it = folders.find(folder);
    return it == folders.end() ? std::nullopt : it->second;
}

bool FakeShell::saveShellLink(const ShellLink& link) {
    if (!linkObjectAvailable) return false;
    savedLinks.push_back(link);
    return true;
}

bool FakeShell::mutexExists(std::string_view name) { return mutexes.count(std::string(name)) != 0; }

void FakeShell::holdMutex(std::string_view name) { mutexes.insert(std::string(name)); }

bool FakeShell::terminateProcess(std::uint32_t processId, std::uint32_t) {
    terminated.push_back(processId);
    return true;
}

}  // namespace karvelo::testing
