#include "viewer/core/alarm_log.hpp"

#include <cstring>

#include "common/text.hpp"

namespace karvelo {
namespace {

// 1-based column range [from, from + count) of `line`, clipped to the line.
std::string_view columns(std::string_view line, std::size_t from, std::size_t count = std::string_view::npos) {
    return from - 1 < line.size() ? line.substr(from - 1, count) : std::string_view{};
}

// Columns where the parts of a record stand. The first colon of a line decides its kind.
constexpr std::size_t kTextOfFirstLine = 45;  // alarm text on a record's first line
constexpr std::size_t kTextOfOtherLine = 42;  // alarm text on time and text lines
constexpr std::size_t kColonOfFirstLine = 40; // a first line has its first colon beyond this
constexpr std::size_t kTimePartLength = 20;

// Collects the parts of one record from its lines and hands the complete record on.
class RecordCollector {
public:
    explicit RecordCollector(const std::function<void(const RecordParts&)>& emit) : emit_(emit) {}

    void firstLine(std::string_view line, std::size_t colon) {
        complete();
        left_ = line.substr(0, colon - 1);
        times_ = {};
        text_.clear();
        addText(columns(line, kTextOfFirstLine));
    }

    void timeLine(std::string_view line) {
        times_ = trimSpaces(trimSpaces(line).substr(0, kTimePartLength));
        addText(columns(line, kTextOfOtherLine));
    }

    void textLine(std::string_view line) { addText(columns(line, kTextOfOtherLine)); }

    // Hands on the record collected so far, if any.
    void complete() {
        if (left_.empty()) return;
        ++number_;
        emit_(RecordParts{number_, trimSpaces(columns(left_, 1, 8)), trimSpaces(columns(left_, 9, 8)),
                          trimSpaces(columns(times_, 1, 8)), trimSpaces(columns(left_, 20, 8)),
                          trimSpaces(columns(times_, 9, 18)), trimSpaces(columns(left_, 30)), text_});
        left_ = {};
    }

private:
    void addText(std::string_view part) {
        if (!part.empty()) text_.push_back(part);
    }

    const std::function<void(const RecordParts&)>& emit_;
    std::size_t number_ = 0;
    std::string_view left_;   // columns 1 to P-1 of the record's first line
    std::string_view times_;  // time part of the record's time line
    std::vector<std::string_view> text_;  // parts of the alarm text, in order
};

}  // namespace

void forEachRecord(const LineList& lines, const std::function<void(const RecordParts&)>& emit) {
    if (lines.size() < 4) return;
    RecordCollector collector(emit);
    for (std::size_t i = 4; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const void* colonAt = std::memchr(line.data(), ':', line.size());
        if (!colonAt) {
            collector.textLine(line);
            continue;
        }
        const std::size_t colon = static_cast<const char*>(colonAt) - line.data() + 1;
        if (colon > kColonOfFirstLine) {
            collector.firstLine(line, colon);
        } else if (colon < kColonOfFirstLine) {
            collector.timeLine(line);
        }
        // A first colon exactly in column 40 fits no kind of line: the line is passed over.
    }
    collector.complete();
}

void appendTrimmedText(std::string& out, std::span<const std::string_view> parts) {
    const std::size_t start = out.size();
    for (const auto part : parts) out.append(part);
    // The parts are joined first and the whole trimmed, as one text.
    std::size_t end = out.size();
    while (end > start && out[end - 1] == ' ') --end;
    out.resize(end);
    std::size_t first = start;
    while (first < end && out[first] == ' ') ++first;
    if (first > start) out.erase(start, first - start);
}

AlarmLog parseAlarmLog(const LineList& lines) {
    AlarmLog log;
    if (lines.empty()) return log;
    log.head = lines[0];
    forEachRecord(lines, [&](const RecordParts& p) {
        AlarmRecord& r = log.records.emplace_back();
        r.runningNo = std::to_string(p.number);
        r.alarmNo = p.alarmNo;
        r.come.reserve(p.comeDate.size() + 3 + p.comeTime.size());
        r.come.append(p.comeDate).append(" / ").append(p.comeTime);
        r.go.reserve(p.goDate.size() + 3 + p.goTime.size());
        r.go.append(p.goDate).append(" / ").append(p.goTime);
        r.clear = p.clear;
        appendTrimmedText(r.text, p.textParts);
    });
    return log;
}

}  // namespace karvelo
