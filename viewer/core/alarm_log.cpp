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

class RecordBuilder {
public:
    explicit RecordBuilder(std::vector<AlarmRecord>& out) : out_(out) {}

    void firstLine(std::string_view line, std::size_t colon) {
        complete();
        left_ = line.substr(0, colon - 1);
        times_ = {};
        text_.assign(columns(line, kTextOfFirstLine));
    }

    void timeLine(std::string_view line) {
        times_ = trimSpaces(trimSpaces(line).substr(0, kTimePartLength));
        text_.append(columns(line, kTextOfOtherLine));
    }

    void textLine(std::string_view line) { text_.append(columns(line, kTextOfOtherLine)); }

    // Appends the record collected so far, if any.
    void complete() {
        if (left_.empty()) return;
        AlarmRecord& r = out_.emplace_back();
        r.runningNo = std::to_string(out_.size());
        r.alarmNo = trimSpaces(columns(left_, 1, 8));
        r.come = joinDateTime(columns(left_, 9, 8), columns(times_, 1, 8));
        r.go = joinDateTime(columns(left_, 20, 8), columns(times_, 9, 18));
        r.clear = trimSpaces(columns(left_, 30));
        r.text = trimSpaces(text_);
        left_ = {};
    }

private:
    static std::string joinDateTime(std::string_view date, std::string_view time) {
        date = trimSpaces(date);
        time = trimSpaces(time);
        std::string out;
        out.reserve(date.size() + 3 + time.size());
        out.append(date).append(" / ").append(time);
        return out;
    }

    std::vector<AlarmRecord>& out_;
    std::string_view left_;   // columns 1 to P-1 of the record's first line
    std::string_view times_;  // time part of the record's time line
    std::string text_;        // alarm text, its parts joined without separator
};

}  // namespace

AlarmLog parseAlarmLog(const LineList& lines) {
    AlarmLog log;
    if (lines.empty()) return log;
    log.head = lines[0];
    if (lines.size() < 4) return log;

    RecordBuilder builder(log.records);
    for (std::size_t i = 4; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const void* colonAt = std::memchr(line.data(), ':', line.size());
        if (!colonAt) {
            builder.textLine(line);
            continue;
        }
        const std::size_t colon = static_cast<const char*>(colonAt) - line.data() + 1;
        if (colon > kColonOfFirstLine) {
            builder.firstLine(line, colon);
        } else if (colon < kColonOfFirstLine) {
            builder.timeLine(line);
        }
        // A first colon exactly in column 40 fits no kind of line: the line is passed over.
    }
    builder.complete();
    return log;
}

}  // namespace karvelo
