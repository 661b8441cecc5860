#include "viewer/app/update_schedule.hpp"

#include <gtest/gtest.h>

#include "common/install_record.hpp"
#include "common/testing/memory_key_value_store.hpp"

namespace karvelo {
namespace {

class UpdateSchedule : public ::testing::Test {
protected:
    std::string text(std::string_view name) {
        return registry.RegistryReadText(kCurrentUser, record::kProgramKey, name);
    }
    testing::MemoryKeyValueStore store;
    HelperError error;
    RegistryHelper registry{store, error};
    const DateTime today{2013, 3, 5, 10, 0, 0};
};

TEST_F(UpdateSchedule, FirstStartCreatesKeysAndSwitchesTheQueryOff) {
    ASSERT_TRUE(ensureUpdateSchedule(registry, today));
    EXPECT_EQ(registry.RegistryKeyExists(kCurrentUser, record::kVendorKey), 1);
    EXPECT_EQ(text("NextUpDate"), "-1");
    EXPECT_EQ(text("NextDateForUpDate"), "05.03.2013");
}

TEST_F(UpdateSchedule, ClearsTheSwitchButKeepsOtherFlags) {
    registry.RegistryCreateKey(kCurrentUser, record::kProgramKey);
    registry.RegistryWriteNumber(kCurrentUser, record::kProgramKey, "Options0", 7);
    ASSERT_TRUE(ensureUpdateSchedule(registry, today));
    EXPECT_EQ(registry.RegistryReadNumber(kCurrentUser, record::kProgramKey, "Options0"), 6);
}

TEST_F(UpdateSchedule, AnExistingScheduleStays) {
    registry.RegistryCreateKey(kCurrentUser, record::kProgramKey);
    registry.RegistryWriteText(kCurrentUser, record::kProgramKey, "NextUpDate", "21");
    registry.RegistryWriteText(kCurrentUser, record::kProgramKey, "NextDateForUpDate", "01.01.2013");
    registry.RegistryWriteNumber(kCurrentUser, record::kProgramKey, "Options0", 1);
    ASSERT_TRUE(ensureUpdateSchedule(registry, today));
    EXPECT_EQ(text("NextUpDate"), "21");
    EXPECT_EQ(text("NextDateForUpDate"), "01.01.2013");
    EXPECT_EQ(registry.RegistryReadNumber(kCurrentUser, record::kProgramKey, "Options0"), 1);
}

TEST_F(UpdateSchedule, FailsWhenTheKeyCannotBeCreated) {
    registry.RegistryCreateKey(kCurrentUser, "Software\\");
    store.denyWrites(kCurrentUser, "Software\\");
    EXPECT_FALSE(ensureUpdateSchedule(registry, today));
}

}  // namespace
}  // namespace karvelo
