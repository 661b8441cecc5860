#pragma once
// The update schedule's values in the user's settings key, as far as start-up needs them.
#include "common/dates.hpp"
#include "common/registry_helper.hpp"

namespace karvelo {

inline constexpr std::string_view kValueNextUpdate = "NextUpDate";          // interval in days, decimal text
inline constexpr std::string_view kValueNextUpdateDate = "NextDateForUpDate";  // "%dd.%mm.%yyyy"

// Makes sure the user's settings key exists and, at the first start, writes the schedule:
// automatic query off ("-1", the switch in "Options0" bit 0 cleared) from today on.
// False when the key cannot be created; the viewer then ends without a message.
bool ensureUpdateSchedule(RegistryHelper& registry, const DateTime& today);

}  // namespace karvelo
