#include "viewer/app/update_schedule.hpp"

#include "common/install_record.hpp"

namespace karvelo {

bool ensureUpdateSchedule(RegistryHelper& registry, const DateTime& today) {
    for (const std::string_view key : {record::kVendorKey, record::kProgramKey}) {
        if (registry.RegistryKeyExists(kCurrentUser, key) != 1 && registry.RegistryCreateKey(kCurrentUser, key) != 1) {
            return false;
        }
    }
    const std::string date = registry.RegistryReadText(kCurrentUser, record::kProgramKey, kValueNextUpdateDate);
    registry.HelperLastError();
    if (!date.empty()) return true;
    registry.RegistryWriteText(kCurrentUser, record::kProgramKey, kValueNextUpdate, "-1");
    registry.RegistryWriteText(kCurrentUser, record::kProgramKey, kValueNextUpdateDate,
                               formatDateMask("%dd.%mm.%yyyy", today));
    // The switch lives in bit 0 of "Options0"; an absent word already has it off.
    const std::int32_t options = registry.RegistryReadNumber(kCurrentUser, record::kProgramKey, "Options0");
    if (registry.HelperLastError().empty() && (options & 1)) {
        registry.RegistryWriteNumber(kCurrentUser, record::kProgramKey, "Options0", options & ~1);
    }
    return true;
}

}  // namespace karvelo
