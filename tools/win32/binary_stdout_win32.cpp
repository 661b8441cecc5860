#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "tools/binary_stdout.hpp"

namespace karvelo {
void setBinaryStdout() { _setmode(_fileno(stdout), _O_BINARY); }
}  // namespace karvelo
