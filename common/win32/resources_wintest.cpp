#include "common/resources.hpp"

#include <gtest/gtest.h>

#include "common/testing/temp_folder.hpp"

namespace karvelo {
namespace {

constexpr char kPayloadBytes[] = "payload \0\xF6\xFF\r\n end";
const std::string kPayload(kPayloadBytes, sizeof kPayloadBytes - 1);

TEST(EmbeddedResource, CarriesTheFileByteForByte) {
    EXPECT_EQ(embeddedResource(900), kPayload);
    EXPECT_FALSE(embeddedResource(901).has_value());
}

TEST(EmbeddedResource, WritesItToDisk) {
    testing::TempFolder temp;
    auto files = makeSystemFileSystem();
    const std::string path = temp.path() + "KarveloUnInst.exe";
    ASSERT_TRUE(files->writeFile(path, "older and longer content"));
    ASSERT_TRUE(writeEmbeddedResource(*files, 900, path));
    EXPECT_EQ(files->readFile(path), kPayload);
    EXPECT_FALSE(writeEmbeddedResource(*files, 901, temp.path() + "none.bin"));
    EXPECT_FALSE(writeEmbeddedResource(*files, 900, temp.path() + "missing\\x.bin"));
}

}  // namespace
}  // namespace karvelo
