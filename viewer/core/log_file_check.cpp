#include "viewer/core/log_file_check.hpp"

#include "common/text.hpp"

namespace karvelo {

bool hasComExtension(std::string_view path) { return upperAnsi(extensionPart(path)) == "COM"; }

}  // namespace karvelo
