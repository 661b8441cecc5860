#include "common/install_record.hpp"

#include <gtest/gtest.h>

#include "common/testing/fake_shell.hpp"
#include "common/testing/memory_key_value_store.hpp"

namespace karvelo::record {
namespace {

TEST(VersionNumber, ReadsThreeGroupsOfThreeDigits) {
    struct Case {
        std::string_view text;
        std::int64_t expected;
    } cases[] = {
        {"V001.000.015", 1000015},
        {"V1.2.3", 1002003},          // not 12 characters, no "_V": from the second character on
        {"Karvelo_V2.10.7", 2010007},  // after the first "_V"
        {"V12.3456.7", 12345007},      // a longer group keeps its first three characters
        {"V001.000", 1000000},         // a missing group reads as 000
        {"", 0},
        {"V", 0},
        {"Vabc.def.ghi", 0},  // not a version: counts as not installed
        {"V001.000.01x", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(versionNumber(c.text), c.expected) << c.text;
    EXPECT_LT(versionNumber("V001.000.014"), versionNumber("V001.000.015"));
    EXPECT_LT(versionNumber("V001.999.999"), versionNumber("V002.000.000"));
}

TEST(VersionNumber, GroupsAndReleaseDates) {
    const VersionGroups g = versionGroups("V001.000.015");
    EXPECT_EQ(g.major, 1);
    EXPECT_EQ(g.minor, 0);
    EXPECT_EQ(g.build, 15);
    EXPECT_LT(releaseDateValue("27.12.2012"), releaseDateValue("28.12.2012"));
    EXPECT_LT(releaseDateValue("31.12.2012"), releaseDateValue("01.01.2013"));  // not text order
    EXPECT_EQ(releaseDateValue("31.02.2012"), -1);
}

TEST(UninstallerArguments, RoundTripThroughTheCommandLine) {
    struct Case {
        std::string_view folder;
        std::string_view expectedLine;
        std::string_view expectedFolder;
    } cases[] = {
        {"C:\\Program Files\\Karvelo\\",
         "KarveloUnInstall C:\\Program%20Files\\Karvelo\\ Version: V001.000.015",
         "C:\\Program Files\\Karvelo\\"},
        {"C:\\KARVELO\\", "KarveloUnInstall C:\\KARVELO\\ Version: V001.000.015", "C:\\KARVELO\\"},
        {"D:\\Mein  Ordner\\Karvelo\\",
         "KarveloUnInstall D:\\Mein%20%20Ordner\\Karvelo\\ Version: V001.000.015",
         "D:\\Mein  Ordner\\Karvelo\\"},
        // A folder whose name holds "%20" itself comes back with a blank in its place.
        {"C:\\a%20b\\Karvelo\\", "KarveloUnInstall C:\\a%20b\\Karvelo\\ Version: V001.000.015",
         "C:\\a b\\Karvelo\\"},
    };
    for (const auto& c : cases) {
        const std::string line = uninstallerArguments(c.folder, "V001.000.015");
        EXPECT_EQ(line, c.expectedLine);
        const auto call = readUninstallerArguments(splitArguments(line));
        ASSERT_TRUE(call.has_value()) << line;
        EXPECT_EQ(call->command, "KarveloUnInstall");
        EXPECT_EQ(call->folder, c.expectedFolder);
        EXPECT_EQ(call->versionWord, "Version:");
        EXPECT_EQ(call->version, "V001.000.015");
    }
}

TEST(UninstallerArguments, OnlyExactlyFourTokens) {
    for (std::string_view line : {"", "KarveloUnInstall", "KarveloUnInstall C:\\Karvelo\\ Version:",
                                  "KarveloUnInstall C:\\Program Files\\Karvelo\\ Version: V001.000.015"}) {
        EXPECT_FALSE(readUninstallerArguments(splitArguments(line)).has_value()) << line;
    }
}

TEST(FilePathFromArguments, OnlyDrivePaths) {
    using Args = std::vector<std::string>;
    struct Case {
        Args args;
        std::optional<std::string> expected;
    } cases[] = {
        {{"D:\\Logs\\Alarmlog.com"}, "D:\\Logs\\Alarmlog.com"},
        {{"D:\\Meine", "Logs\\Alarm", "log.com"}, "D:\\Meine Logs\\Alarm log.com"},
        {{"", " C:\\x.com "}, "C:\\x.com"},  // joined and trimmed before the test
        {{"\\\\server\\share\\x.com"}, std::nullopt},
        {{"Alarmlog.com"}, std::nullopt},
        {{"C:"}, std::nullopt},
        {{}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(filePathFromArguments(c.args), c.expected) << ::testing::PrintToString(c.args);
    }
}

TEST(InstallRecord, UninstallEntryAndFileClass) {
    const auto entry = uninstallEntry("C:\\PROGRAM FILES\\KARVELO\\", "V001.000.015", 544768);
    auto text = [&](std::string_view name) {
        for (const auto& v : entry) {
            if (v.name == name) return v.isNumber ? std::to_string(v.number) : v.text;
        }
        return std::string("<missing>");
    };
    EXPECT_EQ(text("DisplayVersion"), "001.000.015");
    EXPECT_EQ(text("UninstallString"), "C:\\PROGRAM FILES\\KARVELO\\karvelo.exe UnInstall");
    EXPECT_EQ(text("DisplayIcon"), "C:\\PROGRAM FILES\\KARVELO\\karvelo.exe");
    EXPECT_EQ(text("EstimatedSize"), "532");
    EXPECT_EQ(text("VersionMajor"), "1");
    EXPECT_EQ(text("VersionMinor"), "0");
    EXPECT_EQ(text("NoRemove"), "0");
    EXPECT_EQ(fileClassCommand("C:\\Program Files\\Karvelo\\"), "C:\\Program Files\\Karvelo\\karvelo.exe %1");
    EXPECT_EQ(installationFolder("C:\\Program Files"), "C:\\Program Files\\Karvelo\\");
    EXPECT_EQ(installationFolder("D:\\"), "D:\\Karvelo\\");
}

TEST(WriteProbe, ProvesWriteRightsAndLeavesNothingBehind) {
    testing::MemoryKeyValueStore store;
    testing::FakeShell shell;
    HelperError error;
    RegistryHelper registry(store, error);
    EXPECT_FALSE(writeProbe(registry, shell));  // no program key: nothing to write into
    ASSERT_EQ(registry.RegistryCreateKey(kLocalMachine, kProgramKey), 1);
    EXPECT_TRUE(writeProbe(registry, shell));
    EXPECT_EQ(shell.sleeps, std::vector<std::uint32_t>{100});
    EXPECT_EQ(registry.RegistryReadText(kLocalMachine, kProgramKey, "admin"), "");
    EXPECT_EQ(registry.HelperLastError(), "ERROR, not specified message");  // the value is gone
    store.denyWrites(kLocalMachine, kProgramKey);
    EXPECT_FALSE(writeProbe(registry, shell));
}

}  // namespace
}  // namespace karvelo::record
