#include "common/text.hpp"

namespace karvelo {

std::string_view trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string alignRight(std::string_view text, std::size_t width, char fill) {
    if (text.size() >= width) return std::string(text.substr(0, width));
    std::string out(width - text.size(), fill);
    out.append(text);
    return out;
}

char upperAnsi(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    // à..þ map to À..Þ, except ÷ (0xF7), which has no capital.
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
    // š, œ, ž and their capitals Š, Œ, Ž sit 16 apart; ÿ maps to Ÿ.
    if (u == 0x9A || u == 0x9C || u == 0x9E) return static_cast<char>(u - 16);
    if (u == 0xFF) return static_cast<char>(0x9F);
    return c;
}

std::string upperAnsi(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = upperAnsi(c);
    return out;
}

std::string_view folderPart(std::string_view path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash + 1);
}

std::string_view fileNamePart(std::string_view path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view extensionPart(std::string_view path) {
    const auto name = fileNamePart(path);
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot + 1);
}

}  // namespace karvelo
