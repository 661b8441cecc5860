#include <windows.h>

#include <string>

#include "common/message_boxes.hpp"

namespace karvelo {
namespace {

class Win32MessageBoxes final : public MessageBoxes {
public:
    int show(std::string_view text, std::string_view caption, std::uint32_t flags) override {
        return MessageBoxA(nullptr, std::string(text).c_str(), std::string(caption).c_str(), flags);
    }
};

}  // namespace

std::unique_ptr<MessageBoxes> makeSystemMessageBoxes() { return std::make_unique<Win32MessageBoxes>(); }

}  // namespace karvelo
