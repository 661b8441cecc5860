#include <windows.h>

#include "common/file_system.hpp"
#include "common/win32/handles.hpp"

namespace karvelo {
namespace {

std::string withoutTrailingSeparator(std::string_view path) {
    std::string p(path);
    // "C:\" keeps its separator: without it, it would name the current folder of drive C.
    while (p.size() > 3 && (p.back() == '\\' || p.back() == '/')) p.pop_back();
    return p;
}

std::string withSeparator(std::string_view folder) {
    std::string p(folder);
    if (!p.empty() && p.back() != '\\' && p.back() != '/') p += '\\';
    return p;
}

// Calls `visit` for every entry of the folder except "." and "..".
template <typename Visit>
void forEachEntry(std::string_view folder, Visit visit) {
    WIN32_FIND_DATAA data{};
    const std::string pattern = withSeparator(folder) + "*";
    const HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string_view name = data.cFileName;
        if (name == "." || name == "..") continue;
        visit(data);
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

class Win32FileSystem final : public FileSystem {
public:
    std::optional<std::string> readFile(std::string_view path) override {
        FileHandle file(CreateFileA(std::string(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return std::nullopt;
        std::string data;
        LARGE_INTEGER size{};
        if (GetFileSizeEx(file.get(), &size) && size.QuadPart > 0) {
            data.reserve(static_cast<std::size_t>(size.QuadPart));
        }
        char chunk[65536];
        for (;;) {
            DWORD got = 0;
            if (!ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) return std::nullopt;
            if (got == 0) break;
            data.append(chunk, got);
        }
        return data;
    }

    bool writeFile(std::string_view path, std::string_view bytes) override {
        const std::string name(path);
        bool ok = true;
        {
            FileHandle file(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!file) return false;
            while (!bytes.empty()) {
                const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
                DWORD put = 0;
                if (!WriteFile(file.get(), bytes.data(), want, &put, nullptr) || put == 0) {
                    ok = false;
                    break;
                }
                bytes.remove_prefix(put);
            }
            if (!file.close()) ok = false;
        }
        if (!ok) DeleteFileA(name.c_str());
        return ok;
    }

    bool fileExists(std::string_view path) override {
        const DWORD attributes = GetFileAttributesA(std::string(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    bool deleteFile(std::string_view path) override {
        return DeleteFileA(std::string(path).c_str()) != 0;
    }

    bool folderExists(std::string_view path) override {
        const DWORD attributes = GetFileAttributesA(withoutTrailingSeparator(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    bool createFolder(std::string_view path) override {
        return CreateDirectoryA(withoutTrailingSeparator(path).c_str(), nullptr) != 0;
    }

    bool removeFolder(std::string_view path) override {
        return RemoveDirectoryA(withoutTrailingSeparator(path).c_str()) != 0;
    }

    std::vector<std::string> filesIn(std::string_view folder) override {
        std::vector<std::string> names;
        forEachEntry(folder, [&](const WIN32_FIND_DATAA& entry) {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(entry.cFileName);
        });
        return names;
    }

    bool removeFolderTree(std::string_view path) override {
        const std::string folder = withSeparator(path);
        forEachEntry(folder, [&](const WIN32_FIND_DATAA& entry) {
            const std::string child = folder + entry.cFileName;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeFolderTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);  // read-only files too
                DeleteFileA(child.c_str());
            }
        });
        RemoveDirectoryA(withoutTrailingSeparator(path).c_str());
        return !folderExists(path);
    }
};

}  // namespace

std::unique_ptr<FileSystem> makeSystemFileSystem() { return std::make_unique<Win32FileSystem>(); }

}  // namespace karvelo
