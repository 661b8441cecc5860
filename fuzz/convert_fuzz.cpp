// Arbitrary bytes through the whole conversion: line splitting, parsing, converted text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "viewer/core/alarm_log.hpp"
#include "viewer/core/converted_text.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const karvelo::LineList lines(std::string(reinterpret_cast<const char*>(data), size));
    for (std::size_t i = 0; i < lines.size(); ++i) (void)lines[i];
    const karvelo::AlarmLog log = karvelo::parseAlarmLog(lines);
    const std::string text =
        karvelo::formatConvertedText("C:\\Logs\\Alarmlog.com", log.records, {2012, 12, 28, 9, 5, 7});
    // Every record is seven lines of at least 15 characters: the text cannot be shorter.
    if (text.size() < log.records.size() * 7 * 16) __builtin_trap();
    // The one-pass converter must give exactly the same bytes.
    if (karvelo::convertLogToText(lines, "C:\\Logs\\Alarmlog.com", {2012, 12, 28, 9, 5, 7}) != text) {
        __builtin_trap();
    }
    return 0;
}
