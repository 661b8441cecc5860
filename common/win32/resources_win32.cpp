#include <windows.h>

#include "common/resources.hpp"

namespace karvelo {

std::optional<std::string_view> embeddedResource(int id) {
    // Resources of the running module stay mapped for the life of the process, so the view
    // needs no owner.
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!found) return std::nullopt;
    const HGLOBAL loaded = LoadResource(nullptr, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return std::nullopt;
    return std::string_view(static_cast<const char*>(data), SizeofResource(nullptr, found));
}

bool writeEmbeddedResource(FileSystem& files, int id, std::string_view path) {
    const auto bytes = embeddedResource(id);
    return bytes && files.writeFile(path, *bytes);
}

}  // namespace karvelo
