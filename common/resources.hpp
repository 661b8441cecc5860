#pragma once
// Files a program carries inside itself as RCDATA resources (payloads), and writing them
// to disk. The resources are made by the CMake function karvelo_embed.
#include <optional>
#include <string_view>

#include "common/file_system.hpp"

namespace karvelo {

// Resource numbers of the payloads, the same in every program that carries them.
namespace resource {
inline constexpr int kUninstaller = 101;
inline constexpr int kViewer = 102;
inline constexpr int kHelp = 103;
}  // namespace resource

// The bytes of this program's RCDATA resource `id`; nothing when it has none.
std::optional<std::string_view> embeddedResource(int id);

// Writes the RCDATA resource `id` to `path`, replacing an existing file. False when the
// program has no such resource or the file cannot be written completely.
bool writeEmbeddedResource(FileSystem& files, int id, std::string_view path);

}  // namespace karvelo
