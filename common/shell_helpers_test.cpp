#include "common/shell_helpers.hpp"

#include <gtest/gtest.h>

#include "common/testing/fake_shell.hpp"
#include "common/testing/memory_file_system.hpp"

namespace karvelo {
namespace {

class FixedClock final : public Clock {
public:
    DateTime local;
    DateTime universal;
    DateTime localTime() override { return local; }
    DateTime universalTime() override { return universal; }
    std::uint32_t tickCount() override { return 0; }
};

class ShellHelpersTest : public ::testing::Test {
protected:
    testing::FakeShell shell;
    testing::MemoryFileSystem files;
    FixedClock clock;
    HelperError error;
    ShellHelpers helpers{shell, files, clock, error};
};

using FolderOperation = std::string (ShellHelpers::*)();

struct FolderCase {
    const char* name;
    FolderOperation operation;
    SpecialFolder folder;
    std::string_view message;
} const kFolderCases[] = {
    {"CommonPrograms", &ShellHelpers::CommonProgramsFolder, SpecialFolder::CommonPrograms,
     "ERROR, startmenu programs path not found"},
    {"UserPrograms", &ShellHelpers::UserProgramsFolder, SpecialFolder::UserPrograms,
     "ERROR, startmenu programs path not found"},
    {"CommonDesktop", &ShellHelpers::CommonDesktopFolder, SpecialFolder::CommonDesktop,
     "ERROR, desktop path not found"},
    {"UserDesktop", &ShellHelpers::UserDesktopFolder, SpecialFolder::UserDesktop,
     "ERROR, desktop path not found"},
    {"ProgramFiles", &ShellHelpers::ProgramFilesFolder, SpecialFolder::ProgramFiles,
     "ERROR, programs path not found"},
    {"Personal", &ShellHelpers::PersonalFolder, SpecialFolder::Personal,
     "ERROR, personal path not found"},
};

TEST_F(ShellHelpersTest, SpecialFoldersAskForTheirOwnFolderAndNameTheirOwnFailure) {
    for (const auto& c : kFolderCases) {
        SCOPED_TRACE(c.name);
        shell.folders[c.folder] = "C:\\Dokumente und Einstellungen\\Jörg\\Ordner";
        error.set("old message");
        EXPECT_EQ((helpers.*c.operation)(), "C:\\DOKUMENTE UND EINSTELLUNGEN\\JÖRG\\ORDNER\\");
        EXPECT_EQ(error.text(), "");

        shell.folders[c.folder] = std::nullopt;
        EXPECT_EQ((helpers.*c.operation)(), "");
        EXPECT_EQ(error.text(), c.message);
    }
}

TEST_F(ShellHelpersTest, SpecialFolderTextForm) {
    struct Case {
        std::string_view shellPath;
        std::string_view folder;  // empty: failure
    } const cases[] = {
        {"  c:\\programme  ", "C:\\PROGRAMME\\"},
        {"\\\\server\\freigabe\\öffentlich", "\\\\SERVER\\FREIGABE\\ÖFFENTLICH\\"},
        {"\tC:\\x", "\tC:\\X\\"},  // only spaces are trimmed
        // A drive root already ends in "\"; a second one would break path comparisons.
        {"D:\\", "D:\\"},
        // A folder without a file-system path must not come back as a lone "\", which
        // callers would take for a valid folder.
        {"", ""},
        {"   ", ""},
    };
    for (const auto& c : cases) {
        shell.folders[SpecialFolder::Personal] = std::string(c.shellPath);
        EXPECT_EQ(helpers.PersonalFolder(), c.folder) << c.shellPath;
        EXPECT_EQ(error.text(), c.folder.empty() ? "ERROR, personal path not found" : "")
            << c.shellPath;
    }
}

TEST_F(ShellHelpersTest, LinkFileGetsTheLnkExtension) {
    struct Case {
        std::string_view linkPath;
        std::string_view linkFile;
    } const cases[] = {
        {"C:\\Startmenü\\Karvelo\\UnInstall", "C:\\Startmenü\\Karvelo\\UnInstall.lnk"},
        {"C:\\Startmenü\\Karvelo\\Hilfe (F1)", "C:\\Startmenü\\Karvelo\\Hilfe (F1).lnk"},
        {"C:\\Desktop\\Karvelo.lnk", "C:\\Desktop\\Karvelo.lnk"},
        {"C:\\Desktop\\Karvelo.LNK", "C:\\Desktop\\Karvelo.lnk"},
        {"C:\\Desktop\\Karvelo.exe", "C:\\Desktop\\Karvelo.lnk"},
        {"C:\\Desktop\\Karvelo.", "C:\\Desktop\\Karvelo.lnk"},
        // A dot in a folder name is no extension of the link's file name.
        {"C:\\Dokumente.alt\\UnInstall", "C:\\Dokumente.alt\\UnInstall.lnk"},
        {"Karvelo", "Karvelo.lnk"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(helpers.CreateShellLink("C:\\P\\karvelo.exe", c.linkPath, "", "", ""), 1);
        EXPECT_EQ(shell.savedLinks.back().linkFile, c.linkFile) << c.linkPath;
    }
}

TEST_F(ShellHelpersTest, LinkFieldsComeFromTheArguments) {
    error.set("old message");
    ASSERT_EQ(helpers.CreateShellLink("C:\\Programme\\Karvelo\\karvelo.exe", "C:\\Desktop\\Karvelo",
                                      "UnInstall", "Alarmprotokoll öffnen",
                                      "C:\\Programme\\Karvelo\\karvelo.ico"),
              1);
    EXPECT_EQ(error.text(), "");
    ASSERT_EQ(shell.savedLinks.size(), 1u);
    const ShellLink& link = shell.savedLinks[0];
    EXPECT_EQ(link.target, "C:\\Programme\\Karvelo\\karvelo.exe");
    EXPECT_EQ(link.arguments, "UnInstall");
    EXPECT_EQ(link.workingFolder, "C:\\Programme\\Karvelo\\");
    EXPECT_EQ(link.description, "Alarmprotokoll öffnen");
    EXPECT_EQ(link.iconFile, "C:\\Programme\\Karvelo\\karvelo.ico");
    EXPECT_EQ(link.iconIndex, 0);
    EXPECT_EQ(link.showCommand, 1);
    EXPECT_EQ(link.hotKey, 0);
}

TEST_F(ShellHelpersTest, LinkWithoutIconFileShowsTheTargetsIcon) {
    ASSERT_EQ(helpers.CreateShellLink("C:\\P\\karvelo.exe", "C:\\D\\Karvelo", "", "", ""), 1);
    EXPECT_EQ(shell.savedLinks.back().iconFile, "C:\\P\\karvelo.exe");
}

TEST_F(ShellHelpersTest, LinkThatCannotBeSavedFails) {
    shell.linkObjectAvailable = false;
    EXPECT_EQ(helpers.CreateShellLink("C:\\P\\karvelo.exe", "C:\\D\\Karvelo", "", "", ""), 0);
    EXPECT_EQ(error.text(), "ERROR, can\xB4t create shortcut");
}

TEST_F(ShellHelpersTest, FileExistsIn) {
    files.putFile("C:\\Users\\Desktop\\Karvelo.lnk", "L");
    files.addFolder("C:\\Users\\Desktop\\Karvelo");
    struct Case {
        std::string_view folder, name;
        int result;
    } const cases[] = {
        {"C:\\Users\\Desktop\\", "Karvelo.lnk", 1},
        {"C:\\Users\\Desktop", "Karvelo.lnk", 1},
        {"C:\\Users\\Desktop\\", "Other.lnk", 0},
        {"C:\\Users\\Desktop\\", "Karvelo", 0},  // a folder is not a file
        {"C:\\Users", "Desktop", 0},
        {"", "Karvelo.lnk", 255},
        {"", "", 255},
        {"C:\\Users\\Desktop\\", "", 254},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(helpers.FileExistsIn(c.folder, c.name), c.result) << c.folder << " | " << c.name;
    }
}

TEST_F(ShellHelpersTest, SingleInstanceGuardUsesTheGlobalNamespaceOnNt) {
    struct Case {
        std::uint32_t platformId;
        std::string_view mutexName;
    } const cases[] = {{2, "Global\\setup_karvelo.exe"}, {1, "setup_karvelo.exe"}};
    for (const auto& c : cases) {
        shell.mutexes.clear();
        shell.version.platformId = c.platformId;
        EXPECT_EQ(helpers.SingleInstanceGuard("setup_karvelo.exe"), 0);
        EXPECT_EQ(shell.mutexes, std::set<std::string>{std::string(c.mutexName)});
        EXPECT_EQ(helpers.SingleInstanceGuard("setup_karvelo.exe"), 1);
        EXPECT_EQ(shell.mutexes.size(), 1u);
    }
}

TEST_F(ShellHelpersTest, SingleInstanceGuardSeesAnInstanceOfAnotherUser) {
    shell.mutexes.insert("Global\\Karvelo");
    EXPECT_EQ(helpers.SingleInstanceGuard("Karvelo"), 1);
    EXPECT_EQ(helpers.SingleInstanceGuard("setup_karvelo.exe"), 0);
}

TEST_F(ShellHelpersTest, ScreenDpi) {
    struct Case {
        int pixelsPerInch;
        int dpi;
    } const cases[] = {{96, 96}, {144, 144}, {0, 0}, {-96, 0}, {0xFFFF, 0}};
    for (const auto& c : cases) {
        shell.pixelsPerInch = c.pixelsPerInch;
        error.set("old message");
        EXPECT_EQ(helpers.ScreenDpi(), c.dpi) << c.pixelsPerInch;
        EXPECT_EQ(error.text(), c.dpi ? "" : "ERROR, desktop size not found") << c.pixelsPerInch;
    }
}

TEST_F(ShellHelpersTest, TerminateProcessByIdAsksTheShellAndReturnsZero) {
    EXPECT_EQ(helpers.TerminateProcessById(4711), 0);
    EXPECT_EQ(shell.terminated, std::vector<std::uint32_t>{4711});
}

TEST_F(ShellHelpersTest, ClockDateModes) {
    clock.universal = {2024, 1, 15, 9, 0, 0};
    clock.local = {2024, 1, 15, 10, 0, 0};
    EXPECT_EQ(helpers.ClockDate(0), 1705309200);
    EXPECT_EQ(helpers.ClockDate(1), 1705312800);
    EXPECT_EQ(helpers.ClockDate(2), 3600);
    EXPECT_EQ(helpers.ClockDate(3), 0);
    EXPECT_EQ(helpers.ClockDate(-1), 0);
}

TEST_F(ShellHelpersTest, ClockDateOffsetIsTheTimeZoneOffset) {
    struct Case {
        DateTime universal, local;
        std::int64_t offset;
    } const cases[] = {
        {{2024, 7, 1, 12, 0, 0}, {2024, 7, 1, 14, 0, 0}, 7200},
        {{2024, 7, 1, 12, 0, 0}, {2024, 7, 1, 7, 0, 0}, -18000},
        {{2024, 7, 1, 12, 0, 0}, {2024, 7, 1, 17, 30, 0}, 19800},
        {{2024, 12, 31, 23, 30, 0}, {2025, 1, 1, 0, 30, 0}, 3600},
        // The clock ticked between the two readings: still the whole zone offset.
        {{2024, 1, 15, 8, 59, 59}, {2024, 1, 15, 10, 0, 0}, 3600},
        {{2024, 1, 15, 9, 0, 0}, {2024, 1, 15, 9, 59, 59}, 3600},
        {{2024, 1, 15, 12, 0, 0}, {2024, 1, 15, 6, 59, 59}, -18000},
        {{2024, 1, 15, 12, 0, 0}, {2024, 1, 15, 12, 0, 1}, 0},
    };
    for (const auto& c : cases) {
        clock.universal = c.universal;
        clock.local = c.local;
        EXPECT_EQ(helpers.ClockDate(2), c.offset)
            << c.local.hour << ":" << c.local.minute << ":" << c.local.second;
    }
}

TEST(ShellWindowsVersionCode, Table) {
    struct Case {
        std::uint32_t platformId, major, minor;
        bool workstation;
        int code;
    } const cases[] = {
        {1, 4, 0, true, 10},                         // 95
        {1, 4, 10, true, 30},                        // 98
        {1, 4, 90, true, 40},                        // ME
        {1, 4, 3, true, 200},  {2, 3, 51, true, 5},  // NT 3.51
        {2, 3, 10, false, 5},                        // NT 3.1
        {2, 4, 0, true, 20},                         // NT 4
        {2, 5, 0, true, 50},                         // 2000
        {2, 5, 0, false, 50},  {2, 5, 1, true, 60},  // XP
        {2, 5, 2, true, 60},                         // XP x64
        {2, 5, 2, false, 65},                        // Server 2003
        {2, 6, 0, true, 70},                         // Vista
        {2, 6, 0, false, 75},                        // Server 2008
        {2, 6, 1, true, 80},                         // 7
        {2, 6, 1, false, 75},                        // Server 2008 R2
        {2, 6, 2, true, 90},   {2, 6, 2, false, 95},  {2, 6, 3, true, 200},
        {2, 10, 0, true, 200}, {0, 3, 10, true, 200},  // Win32s
    };
    for (const auto& c : cases) {
        EXPECT_EQ(windowsVersionCode({c.platformId, c.major, c.minor, c.workstation}), c.code)
            << c.platformId << " " << c.major << "." << c.minor << " " << c.workstation;
    }
}

TEST_F(ShellHelpersTest, WindowsVersionCodeOfTheRunningSystem) {
    shell.version = {2, 5, 2, false};
    EXPECT_EQ(helpers.WindowsVersionCode(), 65);
}

}  // namespace
}  // namespace karvelo
