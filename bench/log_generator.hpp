#pragma once
// Generates alarm logs of realistic shape for benchmarks.
#include <cstddef>
#include <string>

namespace karvelo::bench {

// An alarm log of `records` records (head, three header lines, then per record a first
// line, a time line with more text and a text line; about 200 bytes a record), CR LF ends.
std::string generateAlarmLog(std::size_t records);

}  // namespace karvelo::bench
