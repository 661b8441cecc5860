#pragma once
// The Windows shell and system facilities the shell helpers need, as an interface with a
// Win32 adapter and an in-memory fake.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace karvelo {

enum class SpecialFolder { CommonPrograms, UserPrograms, CommonDesktop, UserDesktop, ProgramFiles, Personal };

// What GetVersionExA reports, as far as the version code needs it.
struct OsVersion {
    std::uint32_t platformId = 2;  // 1 = Windows 9x, 2 = NT
    std::uint32_t major = 6;
    std::uint32_t minor = 1;
    bool workstation = true;  // product type VER_NT_WORKSTATION
};

// A shell link exactly as it is stored; texts in the ANSI code page.
struct ShellLink {
    std::string linkFile;  // full path of the .lnk file
    std::string target;
    std::string arguments;
    std::string workingFolder;
    std::string description;
    std::string iconFile;
    int iconIndex = 0;
    int showCommand = 1;  // SW_SHOWNORMAL
    std::uint16_t hotKey = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // The folder's path as the shell gives it; nothing when the shell has no such folder.
    virtual std::optional<std::string> specialFolderPath(SpecialFolder folder) = 0;
    // Creates the shell-link object, sets every field and saves it. False when the object
    // or its persistence interface could not be obtained, or the link could not be saved.
    virtual bool saveShellLink(const ShellLink& link) = 0;
    virtual OsVersion osVersion() = 0;
    // True when a mutex of that name exists (the handle is closed again at once).
    virtual bool mutexExists(std::string_view name) = 0;
    // Creates the named mutex, owned by this process until it ends.
    virtual void holdMutex(std::string_view name) = 0;
    // LOGPIXELSX of the desktop window's device context.
    virtual int screenPixelsPerInch() = 0;
    // Opens the process with terminate rights and ends it with the exit code.
    virtual bool terminateProcess(std::uint32_t processId, std::uint32_t exitCode) = 0;
    virtual void sleep(std::uint32_t milliseconds) = 0;
};

std::unique_ptr<Shell> makeSystemShell();

}  // namespace karvelo
