#pragma once
// The lines of a control's text file (alarm log or alarm-text file).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_system.hpp"

namespace karvelo {

// The lines of a file, kept compactly: the file's bytes plus one start offset per line,
// so that a file of many short lines costs little more memory than its own size.
// A line never contains its terminator (CR LF, LF, lone CR or NUL).
class LineList {
public:
    LineList() = default;
    // Splits `bytes` at CR LF, LF, a lone CR or NUL. A last line without terminator is a
    // line; a terminator at the very end adds no empty line; no bytes give one empty line.
    explicit LineList(std::string bytes);

    std::size_t size() const { return starts_.size(); }
    bool empty() const { return starts_.empty(); }
    std::string_view operator[](std::size_t i) const;
    // Bytes of the file the lines came from, terminators included.
    std::size_t byteCount() const { return bytes_.size(); }

    // Largest file the list can hold (offsets are 32 bits wide).
    static constexpr std::size_t kMaxBytes = 0xFFFFFFFFu;

private:
    std::string bytes_;
    std::vector<std::uint32_t> starts_;
};

struct LogLines {
    bool opened = false;  // false when the file could not be opened; `lines` is then empty
    LineList lines;
};

// Reads the file `path` and splits it into lines. A file too large to hold counts as
// one that cannot be opened.
LogLines readLogLines(FileSystem& files, std::string_view path);

}  // namespace karvelo
