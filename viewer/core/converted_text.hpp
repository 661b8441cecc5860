#pragma once
// The converted text file: an alarm log written as plain text with labelled lines.
#include <span>
#include <string>
#include <string_view>

#include "common/dates.hpp"
#include "common/file_system.hpp"
#include "viewer/core/alarm_log.hpp"

namespace karvelo {

// The complete converted text of `records` from the log `sourcePath`, saved at `saveTime`
// (local time). Every line ends in CR LF.
std::string formatConvertedText(std::string_view sourcePath, std::span<const AlarmRecord> records,
                                const DateTime& saveTime);

// The converted text of an alarm log's lines in one pass, without building AlarmRecords;
// the same bytes as formatConvertedText of parseAlarmLog's records.
std::string convertLogToText(const LineList& lines, std::string_view sourcePath, const DateTime& saveTime);

// Writes the converted text to `targetPath`, replacing an existing file. False when the
// file cannot be created or written completely (no partial file is left behind then).
bool writeConvertedText(FileSystem& files, std::string_view targetPath, std::string_view sourcePath,
                        std::span<const AlarmRecord> records, const DateTime& saveTime);

// Name of the converted text file of `sourcePath` in `folder` (which ends in a separator):
// folder + file name without its last four characters + ".txt".
std::string convertedTextName(std::string_view folder, std::string_view sourcePath);

}  // namespace karvelo
