#include <iostream>
#include <string_view>
#include <vector>

#include "tools/binary_stdout.hpp"
#include "tools/convert_command.hpp"

int main(int argc, char** argv) {
    karvelo::setBinaryStdout();
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    auto files = karvelo::makeSystemFileSystem();
    auto clock = karvelo::makeSystemClock();
    return karvelo::runConvert(args, *files, *clock, std::cout, std::cerr);
}
