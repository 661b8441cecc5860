#pragma once
// Message boxes as the rules see them: a text, a caption, Win32 style flags, an answer.
#include <cstdint>
#include <memory>
#include <string_view>

namespace karvelo {

// Style flags and answers with their Win32 values.
namespace mb {
inline constexpr std::uint32_t kOk = 0x0;
inline constexpr std::uint32_t kYesNo = 0x4;
inline constexpr std::uint32_t kIconStop = 0x10;
inline constexpr std::uint32_t kIconQuestion = 0x20;
inline constexpr std::uint32_t kIconExclamation = 0x30;
inline constexpr std::uint32_t kIconInformation = 0x40;
inline constexpr std::uint32_t kTopmost = 0x40000;
inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
}  // namespace mb

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box and returns the button pressed (mb::kIdOk, kIdYes, kIdNo, ...).
    virtual int show(std::string_view text, std::string_view caption, std::uint32_t flags) = 0;
};

std::unique_ptr<MessageBoxes> makeSystemMessageBoxes();

}  // namespace karvelo
