#pragma once
// Conversion of an alarm log's lines into alarm records.
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "viewer/core/log_lines.hpp"

namespace karvelo {

// One alarm of the log; the fields are columns 1 to 6 of the alarm table.
struct AlarmRecord {
    std::string runningNo;  // 1: "Lfd.-Nr."
    std::string alarmNo;    // 2: "Fehler-Nr."
    std::string come;       // 3: "Kommen"  date " / " time
    std::string go;         // 4: "Gehen"   date " / " time
    std::string clear;      // 5: "Löschen"
    std::string text;       // 6: "Fehlertext"
    friend bool operator==(const AlarmRecord&, const AlarmRecord&) = default;
};

struct AlarmLog {
    std::string head;  // the file's first line
    std::vector<AlarmRecord> records;
};

// One record as it stands in the lines, before it becomes an AlarmRecord: the fields
// trimmed, the alarm text still in its parts (joined and then trimmed as one text).
struct RecordParts {
    std::size_t number;  // running number, from 1
    std::string_view alarmNo, comeDate, comeTime, goDate, goTime, clear;
    std::span<const std::string_view> textParts;
};

// Calls `emit` for every record of an alarm log's lines, in file order; the views are
// valid during the call.
void forEachRecord(const LineList& lines, const std::function<void(const RecordParts&)>& emit);

// Appends the text parts joined and trimmed of spaces at both ends.
void appendTrimmedText(std::string& out, std::span<const std::string_view> parts);

// Converts the lines of an alarm log (head line, three ignored lines, then records in
// fixed columns) into its head line and records. Every record of the file is returned,
// the one still open at the end of the file included.
AlarmLog parseAlarmLog(const LineList& lines);

}  // namespace karvelo
