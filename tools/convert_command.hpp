#pragma once
// The command-line converter: alarm logs in, converted text files out.
#include <ostream>
#include <span>
#include <string_view>

#include "common/clock.hpp"
#include "common/file_system.hpp"

namespace karvelo {

// Exit codes of the converter.
inline constexpr int kExitOk = 0;
inline constexpr int kExitSomeFailed = 1;
inline constexpr int kExitUsage = 2;

// Runs `karvelo-convert` with its arguments (without the program name). Converted text
// goes to files or, with --stdout, to `out`; messages go to `err`.
int runConvert(std::span<const std::string_view> args, FileSystem& files, Clock& clock,
               std::ostream& out, std::ostream& err);

}  // namespace karvelo
