// karvelo.exe refuses to start, read from outside: no installation record, a viewer moved
// away from its installation folder, a second instance.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/install_record.hpp"
#include "common/registry_helper.hpp"
#include "common/text.hpp"
#include "common/testing/win32/process_driver.hpp"
#include "viewer/app/startup.hpp"

namespace karvelo {
namespace {

const std::string kViewer = KARVELO_VIEWER_EXE;

class ViewerStart : public ::testing::Test {
protected:
    void SetUp() override {
        registry.RegistryCreateKey(kLocalMachine, record::kProgramKey);
        savedSetPath = registry.RegistryReadText(kLocalMachine, record::kProgramKey, record::kValueSetPath);
    }
    void TearDown() override {
        registry.RegistryWriteText(kLocalMachine, record::kProgramKey, record::kValueSetPath, savedSetPath);
    }
    void setSetPath(std::string_view folder) {
        ASSERT_EQ(registry.RegistryWriteText(kLocalMachine, record::kProgramKey, record::kValueSetPath, folder), 1);
    }
    // The viewer's own folder, as it would be recorded at installation.
    static std::string viewerFolder() {
        std::string folder = kViewer.substr(0, kViewer.find_last_of("\\/") + 1);
        for (char& c : folder) {
            if (c == '/') c = '\\';
        }
        return folder;
    }
    testing::ProgramRun start() { return testing::runAndAnswer("\"" + kViewer + "\"", "", {}, 30000); }

    std::unique_ptr<KeyValueStore> store = makeSystemKeyValueStore();
    HelperError error;
    RegistryHelper registry{*store, error};
    std::string savedSetPath;
};

TEST_F(ViewerStart, RefusesWithoutInstallationRecord) {
    registry.RegistryDeleteValue(kLocalMachine, record::kProgramKey, record::kValueSetPath);
    const auto run = start();
    ASSERT_TRUE(run.ended);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].caption, "ABBRUCH");
    EXPECT_EQ(run.boxes[0].text, kNotInstalledText);
}

TEST_F(ViewerStart, RefusesWhenMoved) {
    setSetPath("C:\\PROGRAM FILES\\KARVELO\\");
    auto run = start();
    ASSERT_TRUE(run.ended);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].caption, kMovedTitle);
    EXPECT_EQ(run.boxes[0].text, kMovedText);
}

TEST_F(ViewerStart, PassesTheLocationCheckInAnyLetterCaseButRefusesASecondInstance) {
    setSetPath(upperAnsi(viewerFolder()));
    // This test process holds the viewer's instance name, as a running viewer would.
    const HANDLE held = CreateMutexA(nullptr, TRUE, "Global\\Karvelo");
    ASSERT_NE(held, nullptr);
    const auto run = start();
    CloseHandle(held);
    ASSERT_TRUE(run.ended);
    ASSERT_FALSE(run.boxes.empty());
    EXPECT_EQ(run.boxes.back().caption, "ABBRUCH");
    EXPECT_EQ(run.boxes.back().text, kSecondInstanceText);
}

}  // namespace
}  // namespace karvelo
