// One table of file-system cases, run against the in-memory fake and against the real
// file system of the platform (POSIX natively, Win32 under Wine).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "common/file_system.hpp"
#include "common/testing/memory_file_system.hpp"
#include "common/testing/temp_folder.hpp"

namespace karvelo {
namespace {

struct Backend {
    std::unique_ptr<FileSystem> files;
    std::string folder;  // an existing, empty folder, ending in a separator
    std::unique_ptr<testing::TempFolder> temp;
    std::function<void(const std::string&)> setReadOnly;
};

using BackendFactory = std::function<Backend()>;

class FileSystemContract : public ::testing::TestWithParam<std::pair<const char*, BackendFactory>> {
protected:
    void SetUp() override { b_ = GetParam().second(); }
    std::string at(std::string_view name) const { return b_.folder + std::string(name); }
    FileSystem& fs() { return *b_.files; }
    Backend b_;
};

TEST_P(FileSystemContract, RoundTripsEveryByte) {
    std::string bytes = "L\xF6schen\r\n";
    bytes += std::string(1, '\0') + "\xFF\x80 end";
    bytes += std::string(200000, 'x');  // more than one read or write chunk
    ASSERT_TRUE(fs().writeFile(at("a.com"), bytes));
    EXPECT_TRUE(fs().fileExists(at("a.com")));
    EXPECT_EQ(fs().readFile(at("a.com")), bytes);
}

TEST_P(FileSystemContract, NamesInTheAnsiCodePage) {
    ASSERT_TRUE(fs().writeFile(at("L\xF6schen \xC4nderung.com"), "\xFC"));
    EXPECT_EQ(fs().readFile(at("L\xF6schen \xC4nderung.com")), "\xFC");
}

TEST_P(FileSystemContract, WriteReplacesExistingFile) {
    ASSERT_TRUE(fs().writeFile(at("b.txt"), "first and longer"));
    ASSERT_TRUE(fs().writeFile(at("b.txt"), "second"));
    EXPECT_EQ(fs().readFile(at("b.txt")), "second");
}

TEST_P(FileSystemContract, EmptyFileReadsAsNoBytes) {
    ASSERT_TRUE(fs().writeFile(at("empty.com"), ""));
    EXPECT_EQ(fs().readFile(at("empty.com")), "");
}

TEST_P(FileSystemContract, MissingThingsFail) {
    EXPECT_EQ(fs().readFile(at("missing.com")), std::nullopt);
    EXPECT_FALSE(fs().fileExists(at("missing.com")));
    EXPECT_FALSE(fs().deleteFile(at("missing.com")));
    EXPECT_FALSE(fs().writeFile(at("no-such-folder/x.txt"), "x"));
}

TEST_P(FileSystemContract, DeleteRemovesFile) {
    ASSERT_TRUE(fs().writeFile(at("d.txt"), "x"));
    EXPECT_TRUE(fs().deleteFile(at("d.txt")));
    EXPECT_FALSE(fs().fileExists(at("d.txt")));
}

TEST_P(FileSystemContract, FoldersAndTheirFiles) {
    const std::string sub = at("Karvelo");
    EXPECT_FALSE(fs().folderExists(sub));
    ASSERT_TRUE(fs().createFolder(sub));
    EXPECT_TRUE(fs().folderExists(sub + "/"));
    EXPECT_FALSE(fs().createFolder(sub));  // already there
    ASSERT_TRUE(fs().writeFile(sub + "/a.exe", "a"));
    ASSERT_TRUE(fs().writeFile(sub + "/B.chm", "b"));
    ASSERT_TRUE(fs().createFolder(sub + "/Eigene"));
    ASSERT_TRUE(fs().writeFile(sub + "/Eigene/c.txt", "c"));

    auto names = fs().filesIn(sub);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"B.chm", "a.exe"}));  // no subfolders, no deeper files
    EXPECT_FALSE(fs().removeFolder(sub));                             // not empty
    EXPECT_FALSE(fs().fileExists(sub));                               // a folder is no file
    EXPECT_TRUE(fs().filesIn(at("missing")).empty());
}

TEST_P(FileSystemContract, RemoveFolderTreeTakesReadOnlyFilesToo) {
    const std::string sub = at("Start Menu");
    ASSERT_TRUE(fs().createFolder(sub));
    ASSERT_TRUE(fs().createFolder(sub + "/deeper"));
    ASSERT_TRUE(fs().writeFile(sub + "/deeper/Karvelo.lnk", "L"));
    ASSERT_TRUE(fs().writeFile(sub + "/UnInstall.lnk", "U"));
    b_.setReadOnly(sub + "/UnInstall.lnk");
    EXPECT_TRUE(fs().removeFolderTree(sub));
    EXPECT_FALSE(fs().folderExists(sub));
    EXPECT_TRUE(fs().removeFolderTree(at("missing")));  // gone afterwards all the same
    ASSERT_TRUE(fs().createFolder(at("empty")));
    EXPECT_TRUE(fs().removeFolder(at("empty/")));
    EXPECT_FALSE(fs().folderExists(at("empty")));
}

Backend memoryBackend() {
    auto files = std::make_unique<testing::MemoryFileSystem>();
    files->addFolder("C:\\Work\\");
    auto* raw = files.get();
    return {std::move(files), "C:\\Work\\", nullptr,
            [raw](const std::string& path) { raw->makeReadOnly(path); }};
}

Backend systemBackend() {
    auto temp = std::make_unique<testing::TempFolder>();
    std::string folder = temp->path();
    return {makeSystemFileSystem(), folder, std::move(temp), testing::setReadOnly};
}

INSTANTIATE_TEST_SUITE_P(Backends, FileSystemContract,
                         ::testing::Values(std::make_pair("Memory", BackendFactory(memoryBackend)),
                                           std::make_pair("System", BackendFactory(systemBackend))),
                         [](const auto& info) { return std::string(info.param.first); });

TEST(MemoryFileSystem, NamesAreCaseInsensitiveAndFailuresCanBeInjected) {
    testing::MemoryFileSystem fs;
    fs.putFile("D:\\Logs\\Alarmlog.com", "x");
    EXPECT_EQ(fs.readFile("d:/LOGS/alarmlog.COM"), "x");
    fs.makeUnreadable("D:\\Logs\\Alarmlog.com");
    EXPECT_EQ(fs.readFile("D:\\Logs\\Alarmlog.com"), std::nullopt);
    fs.failWritesAfter(3);
    EXPECT_FALSE(fs.writeFile("D:\\Logs\\out.txt", "four"));
    EXPECT_FALSE(fs.fileExists("D:\\Logs\\out.txt"));
}

}  // namespace
}  // namespace karvelo
