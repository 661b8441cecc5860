// KarveloUnInst.exe under Wine against a real installation record: registry keys, files,
// Start-menu folders and links. Its message boxes are read and answered from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/install_record.hpp"
#include "common/shell_helpers.hpp"
#include "common/testing/temp_folder.hpp"
#include "common/testing/win32/process_driver.hpp"

namespace karvelo {
namespace {

const std::string kVersion = "V001.000.015";
const std::string kQuestion = "Wollen Sie Karvelo mit allen\rseinen Einstellungen entfernen?";
const std::string kRemoved = "Das Programm V001.000.015 wurde von Ihrem PC entfernt.";

class UninstallerProgram : public ::testing::Test {
protected:
    void SetUp() override {
        commonPrograms = helpers.CommonProgramsFolder();
        userPrograms = helpers.UserProgramsFolder();
        userDesktop = helpers.UserDesktopFolder();
        commonDesktop = helpers.CommonDesktopFolder();
        ASSERT_FALSE(commonPrograms.empty());
        ASSERT_FALSE(userPrograms.empty());
        ASSERT_FALSE(userDesktop.empty());

        ASSERT_EQ(registry.RegistryCreateKey(kLocalMachine, record::kProgramKey), 1);
        ASSERT_EQ(registry.RegistryWriteText(kLocalMachine, record::kProgramKey, "Version", kVersion), 1);
        ASSERT_EQ(registry.RegistryCreateKey(kLocalMachine, record::kUninstallKey), 1);
        registry.RegistryWriteText(kLocalMachine, record::kUninstallKey, "DisplayName", "Karvelo");

        for (const std::string& menu : {commonPrograms + "KARVELO\\", userPrograms + "KARVELO\\"}) {
            files->createFolder(menu);
            ASSERT_TRUE(files->writeFile(menu + "Karvelo.lnk", "link"));
        }
        testing::setReadOnly(userPrograms + "KARVELO\\Karvelo.lnk");
        for (const std::string& desktop : {userDesktop, commonDesktop}) {
            if (!desktop.empty()) files->writeFile(desktop + "Karvelo.lnk", "link");
        }
    }

    void TearDown() override {
        // Whatever a failing run left behind must not disturb the next test.
        registry.RegistryDeleteKey(kLocalMachine, record::kProgramKey);
        registry.RegistryDeleteKey(kLocalMachine, record::kUninstallKey);
        files->removeFolderTree(commonPrograms + "KARVELO\\");
        files->removeFolderTree(userPrograms + "KARVELO\\");
    }

    // Creates folder (and its parents below the temporary folder) with the program's files.
    std::string install(const std::string& relative) {
        std::string folder = temp.path();
        std::size_t start = 0;
        for (auto at = relative.find('\\'); at != std::string::npos; at = relative.find('\\', start)) {
            folder += relative.substr(start, at - start + 1);
            files->createFolder(folder);
            start = at + 1;
        }
        EXPECT_TRUE(files->writeFile(folder + "karvelo.exe", "MZ viewer"));
        EXPECT_TRUE(files->writeFile(folder + "Karvelo.chm", "ITSF help"));
        return folder;
    }

    testing::ProgramRun uninstall(const std::string& arguments, std::deque<int> answers = {IDYES}) {
        return testing::runAndAnswer("\"" KARVELO_UNINSTALLER_EXE "\" " + arguments, temp.path(),
                                     std::move(answers));
    }

    static std::vector<std::string> texts(const testing::ProgramRun& run) {
        std::vector<std::string> out;
        for (const auto& box : run.boxes) out.push_back(box.text);
        return out;
    }

    bool installationRecordExists() {
        return registry.RegistryKeyExists(kLocalMachine, record::kProgramKey) == 1;
    }

    testing::TempFolder temp;
    std::unique_ptr<FileSystem> files = makeSystemFileSystem();
    std::unique_ptr<KeyValueStore> store = makeSystemKeyValueStore();
    std::unique_ptr<Shell> shell = makeSystemShell();
    std::unique_ptr<Clock> clock = makeSystemClock();
    HelperError error;
    RegistryHelper registry{*store, error};
    ShellHelpers helpers{*shell, *files, *clock, error};
    std::string commonPrograms, userPrograms, userDesktop, commonDesktop;
};

TEST_F(UninstallerProgram, RemovesAnInstallationInAFolderWithBlanks) {
    const std::string folder = install("Mein Programmordner\\Karvelo\\");
    const auto run = uninstall(record::uninstallerArguments(folder, kVersion));
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(texts(run), (std::vector<std::string>{kQuestion, kRemoved}));
    ASSERT_EQ(run.boxes.size(), 2u);
    EXPECT_EQ(run.boxes[0].caption, "Programm entfernen?");
    EXPECT_EQ(run.boxes[1].caption, "INFORMATION");

    EXPECT_FALSE(files->folderExists(folder));
    EXPECT_FALSE(installationRecordExists());
    EXPECT_EQ(registry.RegistryKeyExists(kLocalMachine, record::kUninstallKey), 0);
    EXPECT_EQ(registry.RegistryKeyExists(kLocalMachine, record::kVendorKey), 1);
    EXPECT_FALSE(files->folderExists(commonPrograms + "KARVELO\\"));
    EXPECT_FALSE(files->folderExists(userPrograms + "KARVELO\\"));  // its link was read-only
    EXPECT_FALSE(files->fileExists(userDesktop + "Karvelo.lnk"));
    if (!commonDesktop.empty()) {
        EXPECT_FALSE(files->fileExists(commonDesktop + "Karvelo.lnk"));
    }
    EXPECT_TRUE(files->folderExists(temp.path() + "Mein Programmordner\\"));
}

TEST_F(UninstallerProgram, KeepsTheFolderWithUserDataAndSaysSo) {
    const std::string folder = install("Karvelo\\");
    files->createFolder(folder + "Eigene Logs");
    files->writeFile(folder + "Eigene Logs\\Alarmlog.com", "log");
    const auto run = uninstall(record::uninstallerArguments(folder, kVersion));
    ASSERT_TRUE(run.ended);
    const std::string named = folder.substr(0, folder.size() - 1);
    EXPECT_EQ(texts(run), (std::vector<std::string>{
                              kQuestion, named + "\r\rkonnte nicht entfernt werden, weil es noch Daten enth\xE4lt.",
                              kRemoved}));
    EXPECT_EQ(run.boxes.at(1).caption, "Das Verzeichnis ...");
    EXPECT_FALSE(files->fileExists(folder + "karvelo.exe"));
    EXPECT_FALSE(files->fileExists(folder + "Karvelo.chm"));
    EXPECT_TRUE(files->fileExists(folder + "Eigene Logs\\Alarmlog.com"));
}

TEST_F(UninstallerProgram, KeepsAFolderThatIsNotTheProductFolder) {
    const std::string folder = install("Werkzeuge\\");
    const auto run = uninstall(record::uninstallerArguments(folder, kVersion));
    ASSERT_TRUE(run.ended);
    const std::string named = folder.substr(0, folder.size() - 1);
    EXPECT_EQ(texts(run),
              (std::vector<std::string>{
                  kQuestion, named + "\r\rwurde nicht entfernt, weil es sich nicht um das Stammverzeichnis handelt",
                  kRemoved}));
    EXPECT_FALSE(files->fileExists(folder + "karvelo.exe"));
    EXPECT_TRUE(files->fileExists(folder + "Karvelo.chm"));
    EXPECT_FALSE(installationRecordExists());
}

TEST_F(UninstallerProgram, RefusalsLeaveEverythingInPlace) {
    const std::string folder = install("Karvelo\\");
    struct Case {
        std::string arguments;
        std::deque<int> answers;
        std::vector<std::string> texts;
    } cases[] = {
        {"", {}, {"Falsche Anzahl Parameter."}},
        {record::uninstallerArguments(folder, "V001.000.014"), {IDYES},
         {kQuestion, "Die Deinstallation des falschen Programms\roder einer falschen Version wird verweigert."}},
        {record::uninstallerArguments(folder, kVersion), {IDNO}, {kQuestion}},
    };
    for (const auto& c : cases) {
        const auto run = uninstall(c.arguments, c.answers);
        ASSERT_TRUE(run.ended) << c.arguments;
        EXPECT_EQ(texts(run), c.texts) << c.arguments;
        EXPECT_TRUE(files->fileExists(folder + "karvelo.exe")) << c.arguments;
        EXPECT_TRUE(installationRecordExists()) << c.arguments;
        EXPECT_EQ(registry.RegistryReadText(kLocalMachine, record::kProgramKey, "admin"), "");
    }
}

}  // namespace
}  // namespace karvelo
