#include "common/testing/scripted_message_boxes.hpp"

namespace karvelo::testing {

int ScriptedMessageBoxes::show(std::string_view text, std::string_view caption, std::uint32_t flags) {
    shown.push_back({std::string(text), std::string(caption), flags});
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (flags & 0xF) == mb::kYesNo ? mb::kIdNo : mb::kIdOk;
}

}  // namespace karvelo::testing
