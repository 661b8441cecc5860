#include "tools/binary_stdout.hpp"

namespace karvelo {
void setBinaryStdout() {}  // POSIX streams never translate line ends
}  // namespace karvelo
