#pragma once
// The file system as the rules see it: whole files read and written byte for byte.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace karvelo {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole content of the file, or nothing when it cannot be opened for reading.
    virtual std::optional<std::string> readFile(std::string_view path) = 0;

    // Creates the file (replacing an existing one) and writes `bytes` into it. False when
    // the file cannot be created or not all bytes could be written; a partly written
    // file is removed again so that no truncated file looks complete.
    virtual bool writeFile(std::string_view path, std::string_view bytes) = 0;

    virtual bool fileExists(std::string_view path) = 0;
    virtual bool deleteFile(std::string_view path) = 0;

    // Folders; paths may end in a separator or not.
    virtual bool folderExists(std::string_view path) = 0;
    virtual bool createFolder(std::string_view path) = 0;
    // Removes an empty folder; false when it still holds anything or is missing.
    virtual bool removeFolder(std::string_view path) = 0;
    // Names of the files directly in the folder (no subfolders), in no particular order.
    virtual std::vector<std::string> filesIn(std::string_view folder) = 0;
    // Removes the folder with everything below it, read-only files included. True when
    // the folder is gone afterwards.
    virtual bool removeFolderTree(std::string_view path) = 0;
};

// The real file system of the platform the program was built for.
std::unique_ptr<FileSystem> makeSystemFileSystem();

}  // namespace karvelo
