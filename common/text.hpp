#pragma once
// Small text helpers on Windows-1252 byte strings.
#include <string>
#include <string_view>

namespace karvelo {

// Removes leading and trailing space characters; tabs and other blanks stay.
std::string_view trimSpaces(std::string_view text);

// Pads `text` on the left with `fill` to `width` characters; a longer text keeps its
// first `width` characters.
std::string alignRight(std::string_view text, std::size_t width, char fill);

// Upper-cases with the Windows ANSI (code page 1252) rules: a-z and the accented
// lower-case letters (š œ ž ÿ included) map to their capitals; ß and µ stay.
char upperAnsi(char c);
std::string upperAnsi(std::string_view text);

// Folder part of a path: everything up to and including the last '\' or '/'.
std::string_view folderPart(std::string_view path);
// File-name part of a path: everything after the last '\' or '/'.
std::string_view fileNamePart(std::string_view path);
// Extension: the text after the last dot of the file-name part, empty when there is none.
std::string_view extensionPart(std::string_view path);

}  // namespace karvelo
