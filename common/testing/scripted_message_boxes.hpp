#pragma once
// Message boxes answered from a script; every box shown is recorded.
#include <deque>
#include <string>
#include <vector>

#include "common/message_boxes.hpp"

namespace karvelo::testing {

struct ShownBox {
    std::string text;
    std::string caption;
    std::uint32_t flags = 0;
};

class ScriptedMessageBoxes final : public MessageBoxes {
public:
    // Answers given to the next boxes, in order; a box beyond the script gets OK for a box
    // with one button and No for a question.
    std::deque<int> answers;
    std::vector<ShownBox> shown;

    int show(std::string_view text, std::string_view caption, std::uint32_t flags) override;
};

}  // namespace karvelo::testing
