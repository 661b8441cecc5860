#pragma once
// The shell helpers: special folders, shell links, a file test, the single-instance guard,
// the screen resolution, ending a process, the clock and the Windows version code. Failures
// are reported through the result and the helper error text, never by a message box.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/clock.hpp"
#include "common/file_system.hpp"
#include "common/helper_error.hpp"
#include "common/shell.hpp"

namespace karvelo {

// 10 Windows 95, 30 98, 40 ME, 5 NT 3.x, 20 NT 4, 50 2000, 60 XP (and 5.2 workstation),
// 65 Server 2003, 70 Vista, 75 Server 2008, 80 Windows 7, 90 6.2 workstation, 95 its
// server, 200 anything else. 60 or more means XP or later.
int windowsVersionCode(const OsVersion& v);

class ShellHelpers {
public:
    ShellHelpers(Shell& shell, FileSystem& files, Clock& clock, HelperError& error)
        : shell_(shell), files_(files), clock_(clock), error_(error) {}

    // Special folders: upper-cased, trimmed of spaces, ending in "\"; empty on failure.
    std::string CommonProgramsFolder();
    std::string UserProgramsFolder();
    std::string CommonDesktopFolder();
    std::string UserDesktopFolder();
    std::string ProgramFilesFolder();
    std::string PersonalFolder();

    int CreateShellLink(std::string_view targetPath, std::string_view linkPath,
                        std::string_view arguments, std::string_view description,
                        std::string_view iconFile);
    // 1 file exists, 0 not, 255 empty folder, 254 empty file name.
    int FileExistsIn(std::string_view folder, std::string_view fileName);
    // 1 when another process already holds the name, else 0 (and this process holds it).
    int SingleInstanceGuard(std::string_view instanceName);
    int ScreenDpi();
    int TerminateProcessById(std::uint32_t processId);
    // Mode 0: UTC as date value; 1: local time as date value; 2: local minus UTC seconds.
    std::int64_t ClockDate(int mode);
    int WindowsVersionCode();

private:
    Shell& shell_;
    FileSystem& files_;
    Clock& clock_;
    HelperError& error_;
};

}  // namespace karvelo
