#pragma once
// Helpers for checking laid-out paragraphs in tests.
#include <string>
#include <vector>

namespace karvelo::testing {

// The lines of a laid-out paragraph (separated by "\r").
inline std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\r', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

// The text without blanks and line breaks: what layout must never lose or reorder.
inline std::string withoutBlanks(std::string text) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '\r'; });
    return text;
}

}  // namespace karvelo::testing
