#include "viewer/app/settings.hpp"

#include <gtest/gtest.h>

#include <map>

#include "common/install_record.hpp"
#include "common/testing/memory_file_system.hpp"
#include "common/testing/memory_key_value_store.hpp"
#include "common/testing/scripted_message_boxes.hpp"

namespace karvelo {
namespace {

constexpr std::string_view kTemp = "C:\\Temp\\";

// One key holding values by name, in which writes of one chosen value fail: shows whether
// a failed write before the last one is noticed.
class OneValueFailingStore final : public KeyValueStore {
  public:
    explicit OneValueFailingStore(std::string failing) : failing_(std::move(failing)) {}
    std::map<std::string, ValueData> values;
    bool deleteKey(std::uint32_t, std::string_view) override { return false; }

  protected:
    std::optional<Handle> openHandle(std::uint32_t, std::string_view, KeyAccess) override {
        return 1;
    }
    std::optional<Handle> createHandle(std::uint32_t, std::string_view) override { return 1; }
    void closeHandle(Handle) override {}
    std::optional<ValueInfo> queryValue(Handle, std::string_view name) override {
        const auto it = values.find(std::string(name));
        if (it == values.end()) return std::nullopt;
        return ValueInfo{it->second.type, it->second.bytes.size()};
    }
    std::optional<ValueData> readValue(Handle, std::string_view name,
                                       std::size_t maxSize) override {
        const auto it = values.find(std::string(name));
        if (it == values.end() || it->second.bytes.size() > maxSize) return std::nullopt;
        return it->second;
    }
    bool setValue(Handle, std::string_view name, std::uint32_t type,
                  std::string_view bytes) override {
        if (name == failing_) return false;
        values[std::string(name)] = {type, std::string(bytes)};
        return true;
    }
    bool deleteValue(Handle, std::string_view name) override {
        return values.erase(std::string(name)) > 0;
    }

  private:
    std::string failing_;
};

class SettingsTest : public ::testing::Test {
  protected:
    testing::MemoryKeyValueStore store;
    HelperError error;
    RegistryHelper registry{store, error};
    testing::ScriptedMessageBoxes boxes;
    ViewerMessages messages{boxes};
    testing::MemoryFileSystem files;

    void SetUp() override { files.addFolder(kTemp); }
    void createKey() {
        ASSERT_EQ(registry.RegistryCreateKey(kCurrentUser, record::kProgramKey), 1);
    }
    void put(std::string_view name, std::int32_t value) {
        ASSERT_EQ(registry.RegistryWriteNumber(kCurrentUser, record::kProgramKey, name, value), 1);
    }
    std::int32_t stored(std::string_view name) {
        const std::int32_t value =
            registry.RegistryReadNumber(kCurrentUser, record::kProgramKey, name);
        EXPECT_EQ(registry.HelperLastError(), "") << name;
        return value;
    }
    bool save(ViewerSettings& settings, const WindowPlacement& window) {
        return saveSettings(registry, messages, settings, window, files, kTemp);
    }
};

TEST_F(SettingsTest, FirstStartCentresTheDefaultWindowButNeverOffScreen) {
    createKey();
    struct Case {
        int desktopWidth, desktopHeight;
        int top, left;
    } cases[] = {
        {1024, 768, 84, 112}, {1920, 1080, 240, 560}, {800, 600, 0, 0},
        {799, 599, 0, 0},  // halves of -1 would put the frame just off the screen
        {640, 1000, 200, 0},
    };
    for (const auto& c : cases) {
        const ViewerSettings s = loadSettings(registry, c.desktopWidth, c.desktopHeight);
        EXPECT_EQ(s.placement, (WindowPlacement{c.top, c.left, 800, 600}))
            << c.desktopWidth << "x" << c.desktopHeight;
        for (const auto& word : s.options) EXPECT_TRUE(word.none());
    }
}

TEST_F(SettingsTest, FirstStartIsMarkedAndSavedTogetherWithTheSavedFlag) {
    createKey();
    ViewerSettings s = loadSettings(registry, 1024, 768);
    markStartBeforeFirstSave(s);
    EXPECT_TRUE(s.options[0][1]);

    ASSERT_TRUE(save(s, s.placement));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(stored("_TopWin0"), 84);
    EXPECT_EQ(stored("_LeftWin0"), 112);
    EXPECT_EQ(stored("_WidthWin0"), 800);
    EXPECT_EQ(stored("_HeightWin0"), 600);
    EXPECT_EQ(stored("Options0"), 0b110);

    // A later start finds flag 2 and leaves a clear flag 1 alone.
    put("Options0", 0b100);
    ViewerSettings later = loadSettings(registry, 1024, 768);
    markStartBeforeFirstSave(later);
    EXPECT_FALSE(later.options[0][1]);
    EXPECT_TRUE(later.options[0][2]);
}

TEST_F(SettingsTest, StoredPositionsAreReadAndNegativeOnesRaisedToZero) {
    struct Case {
        std::int32_t top, left;
        int expectedTop, expectedLeft;
    } cases[] = {
        {10, 20, 10, 20},
        {-5, 30, 0, 30},
        {40, -1, 40, 0},
        {-300, -400, 0, 0},
    };
    createKey();
    put("_WidthWin0", 1000);
    put("_HeightWin0", 700);
    for (const auto& c : cases) {
        put("_TopWin0", c.top);
        put("_LeftWin0", c.left);
        const ViewerSettings s = loadSettings(registry, 1024, 768);
        EXPECT_EQ(s.placement, (WindowPlacement{c.expectedTop, c.expectedLeft, 1000, 700}))
            << c.top << "," << c.left;
    }
}

TEST_F(SettingsTest, AValueOfTheWrongTypeCountsAsAbsent) {
    createKey();
    ASSERT_EQ(registry.RegistryWriteText(kCurrentUser, record::kProgramKey, "_TopWin0", "50"), 1);
    put("_LeftWin0", 7);
    const ViewerSettings s = loadSettings(registry, 1024, 768);
    EXPECT_EQ(s.placement.top, 84);
    EXPECT_EQ(s.placement.left, 7);
}

TEST_F(SettingsTest, SaveStoresAWindowDraggedOffTheTopLeftAtZero) {
    createKey();
    ViewerSettings s = loadSettings(registry, 1024, 768);
    ASSERT_TRUE(save(s, {-5, -120, 900, 650}));
    EXPECT_EQ(stored("_TopWin0"), 0);
    EXPECT_EQ(stored("_LeftWin0"), 0);
    EXPECT_EQ(stored("_WidthWin0"), 900);
    EXPECT_EQ(stored("_HeightWin0"), 650);
    EXPECT_EQ(s.placement, (WindowPlacement{0, 0, 900, 650}));
}

TEST_F(SettingsTest, OptionWordsRoundTripBitForBit) {
    struct Case {
        std::size_t word;
        std::uint32_t value;
        std::uint32_t savedValue;  // Options0 gains flag 2 at every save
    } cases[] = {
        {3, 5, 5},
        {7, 0x80000000u, 0x80000000u},
        {1, 0xFFFFFFFFu, 0xFFFFFFFFu},
        {5, 0x7FFFFFFFu, 0x7FFFFFFFu},
        {0, 0x80000001u, 0x80000005u},
    };
    for (const auto& c : cases) {
        testing::MemoryKeyValueStore fresh;
        RegistryHelper reg(fresh, error);
        ASSERT_EQ(reg.RegistryCreateKey(kCurrentUser, record::kProgramKey), 1);
        const std::string name = "Options" + std::to_string(c.word);
        ASSERT_EQ(reg.RegistryWriteNumber(kCurrentUser, record::kProgramKey, name,
                                          static_cast<std::int32_t>(c.value)),
                  1);

        ViewerSettings s = loadSettings(reg, 1024, 768);
        EXPECT_EQ(s.options[c.word].to_ulong(), c.value) << name;
        ASSERT_TRUE(saveSettings(reg, messages, s, s.placement, files, kTemp)) << name;
        EXPECT_EQ(static_cast<std::uint32_t>(
                      reg.RegistryReadNumber(kCurrentUser, record::kProgramKey, name)),
                  c.savedValue)
            << name;
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SettingsTest, FlagsAreNumberedFromTheLeastSignificantBit) {
    createKey();
    put("Options3", 5);
    const ViewerSettings s = loadSettings(registry, 1024, 768);
    EXPECT_TRUE(s.options[3][0]);
    EXPECT_FALSE(s.options[3][1]);
    EXPECT_TRUE(s.options[3][2]);
    EXPECT_EQ(s.options[3].count(), 2u);
}

TEST_F(SettingsTest, SaveWithoutTheSettingsKeyWarnsAndWritesNothing) {
    files.putFile("C:\\Temp\\karvelotipps.txt", "tips");
    ViewerSettings s = loadSettings(registry, 1024, 768);
    EXPECT_FALSE(save(s, {10, 10, 800, 600}));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Das Programm ist nicht initialisiert.");
    EXPECT_EQ(boxes.shown[0].caption, "INFORMATION");
    EXPECT_EQ(boxes.shown[0].flags, mb::kIconExclamation | mb::kTopmost);
    EXPECT_EQ(registry.RegistryKeyExists(kCurrentUser, record::kProgramKey), 0);
    EXPECT_FALSE(files.fileExists("C:\\Temp\\karvelotipps.txt"));
}

TEST_F(SettingsTest, AFailedWriteIsReportedNotTakenForSuccess) {
    // A read-only key fails every write; a single failing value anywhere must fail the save
    // too, not only one that happens to be written last.
    for (const std::string failing : {"", "_TopWin0", "Options0", "Options6", "Options7"}) {
        testing::ScriptedMessageBoxes shownBoxes;
        ViewerMessages msgs(shownBoxes);
        testing::MemoryKeyValueStore readOnly;
        OneValueFailingStore oneFailing(failing);
        KeyValueStore* target = &oneFailing;
        if (failing.empty()) {
            RegistryHelper(readOnly, error).RegistryCreateKey(kCurrentUser, record::kProgramKey);
            ASSERT_TRUE(readOnly.denyWrites(kCurrentUser, record::kProgramKey));
            target = &readOnly;
        }
        RegistryHelper reg(*target, error);
        ViewerSettings s = loadSettings(reg, 1024, 768);
        EXPECT_FALSE(saveSettings(reg, msgs, s, s.placement, files, kTemp)) << failing;
        ASSERT_EQ(shownBoxes.shown.size(), 1u) << failing;
        EXPECT_EQ(shownBoxes.shown[0].text, "Einstellungen nicht oder Fehlerhaft gespeichert");
        EXPECT_EQ(shownBoxes.shown[0].flags, mb::kIconExclamation | mb::kTopmost);
    }
}

TEST_F(SettingsTest, SaveDeletesOnlyTheTipsFile) {
    createKey();
    files.putFile("C:\\Temp\\karvelotipps.txt", "tips");
    files.putFile("C:\\Temp\\KarveloUnInst.exe", "MZ");
    ViewerSettings s = loadSettings(registry, 1024, 768);
    ASSERT_TRUE(save(s, s.placement));
    EXPECT_FALSE(files.fileExists("C:\\Temp\\karvelotipps.txt"));
    EXPECT_TRUE(files.fileExists("C:\\Temp\\KarveloUnInst.exe"));
    EXPECT_EQ(store.openKeyCount(), 0u);
}

}  // namespace
}  // namespace karvelo
