// The shell helpers over the real Win32 shell. Started as "--child MODE ..." the program
// is a second process for the single-instance and process tests instead of a test run.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "common/shell_helpers.hpp"
#include "common/testing/temp_folder.hpp"
#include "common/text.hpp"
#include "common/win32/handles.hpp"

namespace karvelo {
namespace {

constexpr std::string_view kChildFlag = "--child";
constexpr DWORD kChildTimeout = 20000;

struct System {
    std::unique_ptr<Shell> shell = makeSystemShell();
    std::unique_ptr<FileSystem> files = makeSystemFileSystem();
    std::unique_ptr<Clock> clock = makeSystemClock();
    HelperError error;
    ShellHelpers helpers{*shell, *files, *clock, error};
};

std::string readyEventName(std::string_view instanceName) {
    return "karvelo-test-ready-" + std::string(instanceName);
}

// "hold NAME": takes the name, signals the parent and waits to be ended (exit code 1 when
// the name was already taken). "check NAME": exit code = SingleInstanceGuard. "sleep":
// just waits to be ended.
int childMain(int argc, char** argv) {
    System system;
    const std::string_view mode = argc > 2 ? argv[2] : "";
    if (mode == "sleep") {
        Sleep(60000);
        return 0;
    }
    if (argc != 4) return 3;
    const int guard = system.helpers.SingleInstanceGuard(argv[3]);
    if (mode == "check") return guard;
    if (mode != "hold") return 3;
    if (guard != 0) return guard;
    const KernelHandle ready(
        OpenEventA(EVENT_MODIFY_STATE, FALSE, readyEventName(argv[3]).c_str()));
    if (!ready || !SetEvent(ready.get())) return 4;
    Sleep(60000);  // the parent ends this process long before
    return 0;
}

struct Child {
    KernelHandle process;
    std::uint32_t id = 0;
};

Child startChild(const std::string& arguments) {
    char exe[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string commandLine =
        "\"" + std::string(exe) + "\" " + std::string(kChildFlag) + " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return {};
    }
    CloseHandle(info.hThread);
    return {KernelHandle(info.hProcess), info.dwProcessId};
}

// The child's exit code once it has ended, or nothing when it did not end in time.
std::optional<DWORD> exitCodeOf(const Child& child) {
    if (WaitForSingleObject(child.process.get(), kChildTimeout) != WAIT_OBJECT_0) {
        TerminateProcess(child.process.get(), 99);
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(child.process.get(), &code);
    return code;
}

std::string uniqueName(std::string_view stem) {
    return std::string(stem) + "-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount());
}

bool isFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The name of the one file that matches exactly `name` apart from letter case, as the
// file system stores it.
std::string storedName(const std::string& folder, const std::string& name) {
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA((folder + name).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return {};
    FindClose(search);
    return found.cFileName;
}

TEST(ShellHelpersWin32, SpecialFoldersAreUpperCaseExistingFoldersEndingInBackslash) {
    System system;
    struct Case {
        const char* name;
        std::string (ShellHelpers::*operation)();
        int csidl;
    } const cases[] = {
        {"CommonPrograms", &ShellHelpers::CommonProgramsFolder, CSIDL_COMMON_PROGRAMS},
        {"UserPrograms", &ShellHelpers::UserProgramsFolder, CSIDL_PROGRAMS},
        {"CommonDesktop", &ShellHelpers::CommonDesktopFolder, CSIDL_COMMON_DESKTOPDIRECTORY},
        {"UserDesktop", &ShellHelpers::UserDesktopFolder, CSIDL_DESKTOPDIRECTORY},
        {"ProgramFiles", &ShellHelpers::ProgramFilesFolder, CSIDL_PROGRAM_FILES},
        {"Personal", &ShellHelpers::PersonalFolder, CSIDL_PERSONAL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = (system.helpers.*c.operation)();
        EXPECT_EQ(system.error.text(), "");
        // The same folder through another shell function, in the helpers' text form.
        char path[MAX_PATH + 1] = {};
        ASSERT_EQ(SHGetFolderPathA(nullptr, c.csidl, nullptr, SHGFP_TYPE_CURRENT, path), S_OK);
        EXPECT_EQ(folder, upperAnsi(path) + "\\");
        EXPECT_TRUE(isFolder(folder)) << folder;
    }
}

class ShellLinkFiles : public ::testing::Test {
protected:
    System system;
    testing::TempFolder temp;
};

// The links that the check from outside (lnkinfo, see shell_link_check.cmake) reads: written
// into the folder named by KARVELO_LINK_CHECK_FOLDER when that is set.
TEST_F(ShellLinkFiles, WritesLinksUnderTheirLnkNames) {
    std::string folder = temp.path();
    if (const char* checkFolder = std::getenv("KARVELO_LINK_CHECK_FOLDER")) {
        folder = checkFolder;
        for (char& c : folder) {
            if (c == '/') c = '\\';
        }
        if (folder.back() != '\\') folder += '\\';
        CreateDirectoryA(folder.c_str(), nullptr);
        DeleteFileA((folder + "Karvelo.lnk").c_str());
        DeleteFileA((folder + "UnInstall.lnk").c_str());
    }
    const std::string program = folder + "Programm\\";
    CreateDirectoryA(program.c_str(), nullptr);
    ASSERT_TRUE(system.files->writeFile(program + "karvelo.exe", "MZ"));

    EXPECT_EQ(system.helpers.CreateShellLink(program + "karvelo.exe", folder + "Karvelo",
                                             "AutoRestart", "Alarmprotokoll öffnen – 5 €", ""),
              1);
    EXPECT_EQ(
        system.helpers.CreateShellLink(program + "karvelo.exe", folder + "UnInstall.LNK",
                                       "UnInstall", "Karvelo entfernen", program + "uninstall.ico"),
        1);
    EXPECT_EQ(system.error.text(), "");
    EXPECT_EQ(storedName(folder, "Karvelo.lnk"), "Karvelo.lnk");
    EXPECT_EQ(storedName(folder, "UnInstall.lnk"), "UnInstall.lnk");
    EXPECT_EQ(system.helpers.FileExistsIn(folder, "UnInstall.lnk"), 1);
}

TEST_F(ShellLinkFiles, LinkThatCannotBeWrittenFails) {
    EXPECT_EQ(system.helpers.CreateShellLink(temp.path() + "karvelo.exe",
                                             temp.path() + "no such folder\\Karvelo", "", "", ""),
              0);
    EXPECT_EQ(system.error.text(), "ERROR, can\xB4t create shortcut");
    EXPECT_FALSE(isFolder(temp.path() + "no such folder"));
}

TEST_F(ShellLinkFiles, FileExistsInOnRealFiles) {
    ASSERT_TRUE(system.files->writeFile(temp.path() + "Karvelo.lnk", "L"));
    CreateDirectoryA((temp.path() + "Sub").c_str(), nullptr);
    std::string withoutBackslash = temp.path();
    withoutBackslash.pop_back();
    struct Case {
        std::string folder, name;
        int result;
    } const cases[] = {
        {temp.path(), "Karvelo.lnk", 1},
        {withoutBackslash, "Karvelo.lnk", 1},
        {temp.path(), "karvelo.LNK", 1},
        {temp.path(), "Sub", 0},
        {temp.path(), "Missing.lnk", 0},
        // A name is a name, not a pattern that any file could match.
        {temp.path(), "*.lnk", 0},
        {temp.path(), "Karvelo.ln?", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(system.helpers.FileExistsIn(c.folder, c.name), c.result) << c.folder << c.name;
    }
}

TEST(ShellHelpersWin32, SingleInstanceGuardAcrossProcesses) {
    const std::string name = uniqueName("karvelo-guard");
    const KernelHandle ready(CreateEventA(nullptr, TRUE, FALSE, readyEventName(name).c_str()));
    ASSERT_TRUE(ready);

    Child holder = startChild("hold " + name);
    ASSERT_TRUE(holder.process);
    const HANDLE waitFor[] = {ready.get(), holder.process.get()};
    ASSERT_EQ(WaitForMultipleObjects(2, waitFor, FALSE, kChildTimeout), WAIT_OBJECT_0)
        << "the holder did not take the name";

    EXPECT_EQ(exitCodeOf(startChild("check " + name)), 1u);

    System system;
    EXPECT_EQ(system.helpers.TerminateProcessById(holder.id), 0);
    ASSERT_EQ(exitCodeOf(holder), 1u);  // TerminateProcessById ends with exit code 1

    EXPECT_EQ(exitCodeOf(startChild("check " + name)), 0u);
}

TEST(ShellHelpersWin32, SingleInstanceGuardSeesAMutexItMayNotOpen) {
    // As a mutex created by another user's instance: its security grants this user nothing.
    ACL emptyAcl{};
    ASSERT_TRUE(InitializeAcl(&emptyAcl, sizeof emptyAcl, ACL_REVISION));
    SECURITY_DESCRIPTOR descriptor{};
    ASSERT_TRUE(InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
    ASSERT_TRUE(SetSecurityDescriptorDacl(&descriptor, TRUE, &emptyAcl, FALSE));
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, FALSE};
    const std::string name = uniqueName("karvelo-denied");
    const KernelHandle other(CreateMutexA(&attributes, FALSE, ("Global\\" + name).c_str()));
    ASSERT_TRUE(other);
    const KernelHandle opened(OpenMutexA(MUTEX_ALL_ACCESS, TRUE, ("Global\\" + name).c_str()));
    if (opened || GetLastError() != ERROR_ACCESS_DENIED) {
        GTEST_SKIP() << "this system does not deny access to the mutex";
    }

    System system;
    EXPECT_EQ(system.helpers.SingleInstanceGuard(name), 1);
}

TEST(ShellHelpersWin32, TerminateProcessByIdOfAMissingProcessReturnsZero) {
    Child child = startChild("sleep");
    ASSERT_TRUE(child.process);
    TerminateProcess(child.process.get(), 7);
    ASSERT_EQ(exitCodeOf(child), 7u);
    System system;
    EXPECT_EQ(system.helpers.TerminateProcessById(child.id), 0);
}

TEST(ShellHelpersWin32, ScreenDpiOfTheTestDisplay) {
    System system;
    EXPECT_EQ(system.helpers.ScreenDpi(), 96);  // a fresh Wine prefix on Xvfb
    EXPECT_EQ(system.error.text(), "");
}

TEST(ShellHelpersWin32, VersionIsWhatGetVersionReports) {
    System system;
    const DWORD packed = GetVersion();
    const OsVersion v = system.shell->osVersion();
    EXPECT_EQ(v.major, LOBYTE(LOWORD(packed)));
    EXPECT_EQ(v.minor, HIBYTE(LOWORD(packed)));
    EXPECT_EQ(v.platformId, (packed & 0x80000000u) ? 1u : 2u);
    EXPECT_EQ(system.helpers.WindowsVersionCode(), windowsVersionCode(v));
    EXPECT_GE(system.helpers.WindowsVersionCode(), 60);
}

TEST(ShellHelpersWin32, ClockDateOffsetMatchesTheTimeZone) {
    System system;
    TIME_ZONE_INFORMATION zone{};
    const DWORD which = GetTimeZoneInformation(&zone);
    LONG bias = zone.Bias;
    if (which == TIME_ZONE_ID_DAYLIGHT) bias += zone.DaylightBias;
    if (which == TIME_ZONE_ID_STANDARD) bias += zone.StandardBias;
    EXPECT_EQ(system.helpers.ClockDate(2), -60 * static_cast<std::int64_t>(bias));
}

}  // namespace
}  // namespace karvelo

int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]) == karvelo::kChildFlag) {
        return karvelo::childMain(argc, argv);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
