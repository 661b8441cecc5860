#include "viewer/app/tips.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/testing/memory_file_system.hpp"

namespace karvelo {
namespace {

TEST(TipsFile, FiveTipsIn431Bytes) {
    testing::MemoryFileSystem files;
    files.addFolder("C:\\Temp\\");
    files.putFile("C:\\Temp\\karvelotipps.txt", "old");
    ASSERT_TRUE(writeTipsFile(files, "C:\\Temp\\"));
    const auto text = files.file("C:\\Temp\\karvelotipps.txt");
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->size(), 431u);
    EXPECT_EQ(std::count(text->begin(), text->end(), '\n'), 4);
    EXPECT_FALSE(text->ends_with("\r\n"));
    EXPECT_NE(text->find("k\xF6nnen?"), std::string::npos);  // Windows-1252 bytes
}

}  // namespace
}  // namespace karvelo
