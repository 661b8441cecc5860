#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "common/file_system.hpp"

namespace karvelo {
namespace {

std::string withoutTrailingSeparator(std::string_view path) {
    std::string p(path);
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    return p;
}

class PosixFileSystem final : public FileSystem {
public:
    std::optional<std::string> readFile(std::string_view path) override {
        const int fd = ::open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return std::nullopt;
        std::optional<std::string> result = readAll(fd);
        ::close(fd);
        return result;
    }

    bool writeFile(std::string_view path, std::string_view bytes) override {
        const std::string name(path);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) return false;
        bool ok = true;
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                ok = false;
                break;
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        if (::close(fd) != 0) ok = false;
        if (!ok) ::unlink(name.c_str());
        return ok;
    }

    bool fileExists(std::string_view path) override {
        struct stat st {};
        return ::stat(std::string(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
    }

    bool deleteFile(std::string_view path) override {
        return ::unlink(std::string(path).c_str()) == 0;
    }

    bool folderExists(std::string_view path) override {
        struct stat st {};
        return ::stat(withoutTrailingSeparator(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }

    bool createFolder(std::string_view path) override {
        return ::mkdir(withoutTrailingSeparator(path).c_str(), 0755) == 0;
    }

    bool removeFolder(std::string_view path) override {
        return ::rmdir(withoutTrailingSeparator(path).c_str()) == 0;
    }

    std::vector<std::string> filesIn(std::string_view folder) override {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(withoutTrailingSeparator(folder), ec)) {
            if (entry.is_regular_file(ec)) names.push_back(entry.path().filename().string());
        }
        return names;
    }

    bool removeFolderTree(std::string_view path) override {
        std::error_code ec;
        std::filesystem::remove_all(withoutTrailingSeparator(path), ec);
        return !folderExists(path);
    }

private:
    static std::optional<std::string> readAll(int fd) {
        struct stat st {};
        if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
        std::string data;
        if (st.st_size > 0) data.reserve(static_cast<std::size_t>(st.st_size));
        char chunk[65536];
        for (;;) {
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return std::nullopt;
            if (n == 0) break;
            data.append(chunk, static_cast<std::size_t>(n));
        }
        return data;
    }
};

}  // namespace

std::unique_ptr<FileSystem> makeSystemFileSystem() { return std::make_unique<PosixFileSystem>(); }

}  // namespace karvelo
