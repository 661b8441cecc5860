#include "viewer/core/log_lines.hpp"

#include <cstring>

namespace karvelo {
namespace {

// Position of the first CR, LF or NUL at or after `from`, or `size` when there is none.
std::size_t findTerminator(const char* data, std::size_t from, std::size_t size) {
    for (std::size_t i = from; i < size; ++i) {
        const char c = data[i];
        // Most bytes are printable; one compare rules them out before the three tests.
        if (static_cast<unsigned char>(c) > '\r') continue;
        if (c == '\n' || c == '\r' || c == '\0') return i;
    }
    return size;
}

}  // namespace

LineList::LineList(std::string bytes) : bytes_(std::move(bytes)) {
    const char* data = bytes_.data();
    const std::size_t size = bytes_.size();
    starts_.reserve(size / 48 + 1);
    std::size_t pos = 0;
    do {
        starts_.push_back(static_cast<std::uint32_t>(pos));
        const std::size_t end = findTerminator(data, pos, size);
        pos = end;
        if (pos < size) pos += (data[pos] == '\r' && pos + 1 < size && data[pos + 1] == '\n') ? 2 : 1;
    } while (pos < size);
}

std::string_view LineList::operator[](std::size_t i) const {
    const std::size_t start = starts_[i];
    std::size_t end = i + 1 < starts_.size() ? starts_[i + 1] : bytes_.size();
    // Every line but possibly the last ends in a terminator: drop it. A CR never occurs
    // inside a line, so "CR LF" at the end is always one two-byte terminator.
    if (end > start) {
        const char last = bytes_[end - 1];
        if (last == '\n' || last == '\r' || last == '\0') {
            --end;
            if (last == '\n' && end > start && bytes_[end - 1] == '\r') --end;
        }
    }
    return std::string_view(bytes_).substr(start, end - start);
}

LogLines readLogLines(FileSystem& files, std::string_view path) {
    auto bytes = files.readFile(path);
    if (!bytes || bytes->size() > LineList::kMaxBytes) return {};
    return {true, LineList(std::move(*bytes))};
}

}  // namespace karvelo
