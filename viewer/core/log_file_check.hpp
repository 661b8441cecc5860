#pragma once
// The checks an alarm log passes before it is converted, and their messages.
#include <string_view>

#include "viewer/core/log_lines.hpp"

namespace karvelo {

inline constexpr std::string_view kMsgNotComFile = "Das File ist keine *.com Datei.";
inline constexpr std::string_view kMsgNotReadable = "File konnte nicht gelesen werden.";
inline constexpr std::string_view kMsgNoFolder = "Der Pfad konnte nicht eingetragen werden.";
inline constexpr std::string_view kMsgTooFewLines = "Listeninhalt fehlerhaft";
inline constexpr std::string_view kMsgNotCreated = "File nicht erstellt.";

// A log needs its head line and the three lines after it.
inline constexpr std::size_t kMinLogLines = 4;

// True when the extension of `path` (after the last dot of the file name) is COM in any
// letter case.
bool hasComExtension(std::string_view path);

}  // namespace karvelo
