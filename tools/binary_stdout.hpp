#pragma once

namespace karvelo {
// Puts standard output into binary mode, so CR LF is written unchanged.
void setBinaryStdout();
}  // namespace karvelo
