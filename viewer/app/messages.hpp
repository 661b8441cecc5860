#pragma once
// The viewer's four message operations and their process-wide message state: a caller
// fills messageText (and, where needed, a title) and then shows one box; the state is
// reset after every box.
#include <string>

#include "common/message_boxes.hpp"

namespace karvelo {

class ViewerMessages {
public:
    explicit ViewerMessages(MessageBoxes& boxes) : boxes_(boxes) {}

    std::string infoTitle = "INFORMATION";
    std::string abortTitle = "ABBRUCH";
    std::string messageText = "no message";
    int lastAnswer = 0;

    // Exclamation icon, infoTitle, OK.
    void showWarning(bool onTop = true);
    // Information icon, infoTitle, OK.
    void showInformation(bool onTop = true);
    // Question icon, infoTitle, Yes and No; defaultButton 0, 1 or 2. Returns the answer
    // (mb::kIdYes or mb::kIdNo), also kept in lastAnswer.
    int askYesNo(bool onTop = true, int defaultButton = 0);
    // Stop icon, abortTitle, OK; afterwards the abort title is "ABBRUCHINFORMATION".
    void showAbort(bool onTop = true);

    // Shortcuts that set messageText first.
    void warning(std::string_view text) { messageText = text; showWarning(); }
    void information(std::string_view text) { messageText = text; showInformation(); }
    int question(std::string_view text, int defaultButton = 0) {
        messageText = text;
        return askYesNo(true, defaultButton);
    }
    void abort(std::string_view text) { messageText = text; showAbort(); }

private:
    MessageBoxes& boxes_;
};

}  // namespace karvelo
