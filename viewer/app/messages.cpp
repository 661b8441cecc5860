#include "viewer/app/messages.hpp"

namespace karvelo {
namespace {
constexpr std::uint32_t kDefaultButton2 = 0x100;
constexpr std::uint32_t kDefaultButton3 = 0x200;
}  // namespace

void ViewerMessages::showWarning(bool onTop) {
    boxes_.show(messageText, infoTitle, mb::kIconExclamation | (onTop ? mb::kTopmost : 0));
    infoTitle = "INFORMATION";
    messageText = "no message";
    lastAnswer = 1;
}

void ViewerMessages::showInformation(bool onTop) {
    boxes_.show(messageText, infoTitle, mb::kIconInformation | (onTop ? mb::kTopmost : 0));
    infoTitle = "INFORMATION";
    messageText = "no message";
    lastAnswer = 1;
}

int ViewerMessages::askYesNo(bool onTop, int defaultButton) {
    const std::uint32_t def = defaultButton == 1 ? kDefaultButton2 : defaultButton == 2 ? kDefaultButton3 : 0;
    lastAnswer = boxes_.show(messageText, infoTitle, mb::kIconQuestion | mb::kYesNo | def | (onTop ? mb::kTopmost : 0));
    infoTitle = "INFORMATION";
    messageText = "no message";
    return lastAnswer;
}

void ViewerMessages::showAbort(bool onTop) {
    boxes_.show(messageText, abortTitle, mb::kIconStop | (onTop ? mb::kTopmost : 0));
    abortTitle = "ABBRUCHINFORMATION";
    messageText = "no message";
    lastAnswer = 1;
}

}  // namespace karvelo
