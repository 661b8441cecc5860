#pragma once
// The tips file the viewer writes into the temporary folder at every start.
#include <string_view>

#include "common/file_system.hpp"

namespace karvelo {

// The tips file in the temporary folder; the settings save at the end deletes it.
inline constexpr std::string_view kTipsFileName = "karvelotipps.txt";

// Five tips, separated by CR LF, no line end after the last.
std::string_view tipsText();

// Writes "karvelotipps.txt" into the temporary folder (ending in "\"), replacing an
// existing file. A failure is ignored by the caller: nothing reads the file back.
bool writeTipsFile(FileSystem& files, std::string_view tempFolder);

}  // namespace karvelo
