#include "viewer/core/log_lines.hpp"

#include <cstring>

namespace karvelo {
namespace {

// Position of the first CR, LF or NUL at or after `from`, or `size` when there is none.
// Eight bytes at a time: a word is looked at byte by byte only when one of its bytes is
// below 14, which the bytes of ordinary text never are.
std::size_t findTerminator(const char* data, std::size_t from, std::size_t size) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHigh = 0x8080808080808080ull;
    std::size_t i = from;
    for (;;) {
        for (; i + 8 <= size; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, data + i, 8);
            // Sets a byte's high bit for every byte below 14 (and possibly for some
            // others, which the exact test below sorts out).
            if (((word - 14 * kOnes) & ~word & kHigh) != 0) break;
        }
        const std::size_t stop = i + 8 < size ? i + 8 : size;
        for (; i < stop; ++i) {
            const char c = data[i];
            if (c == '\n' || c == '\r' || c == '\0') return i;
        }
        if (i >= size) return size;
    }
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
