#pragma once
// The helper error text: one English message left by the last failing registry or shell
// helper operation, shared by both helper libraries of a program.
#include <string>
#include <string_view>
#include <utility>

namespace karvelo {

class HelperError {
public:
    void clear() { text_.clear(); }
    void set(std::string_view message) { text_ = message; }
    const std::string& text() const { return text_; }
    // Returns the message and clears it (HelperLastError).
    std::string take() { return std::exchange(text_, {}); }

private:
    std::string text_;
};

}  // namespace karvelo
