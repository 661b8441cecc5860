#include "viewer/app/messages.hpp"

#include <functional>

#include <gtest/gtest.h>

#include "common/testing/scripted_message_boxes.hpp"

namespace karvelo {
namespace {

using karvelo::testing::ScriptedMessageBoxes;

TEST(ViewerMessages, BoxesAndTheStateReset) {
    constexpr std::uint32_t kDefault2 = 0x100, kDefault3 = 0x200;
    struct Case {
        const char* name;
        std::function<void(ViewerMessages&)> show;
        int answer;
        std::uint32_t flags;
        const char* caption;
        int lastAnswer;
    } cases[] = {
        {"warning", [](ViewerMessages& m) { m.showWarning(); }, mb::kIdOk,
         mb::kIconExclamation | mb::kTopmost, "Titel", 1},
        {"information", [](ViewerMessages& m) { m.showInformation(); }, mb::kIdOk,
         mb::kIconInformation | mb::kTopmost, "Titel", 1},
        {"information not on top", [](ViewerMessages& m) { m.showInformation(false); }, mb::kIdOk,
         mb::kIconInformation, "Titel", 1},
        {"question, first button default, yes", [](ViewerMessages& m) { m.askYesNo(true, 0); }, mb::kIdYes,
         mb::kIconQuestion | mb::kYesNo | mb::kTopmost, "Titel", mb::kIdYes},
        {"question, second button default, no", [](ViewerMessages& m) { m.askYesNo(true, 1); }, mb::kIdNo,
         mb::kIconQuestion | mb::kYesNo | mb::kTopmost | kDefault2, "Titel", mb::kIdNo},
        {"question, third button default", [](ViewerMessages& m) { m.askYesNo(true, 2); }, mb::kIdNo,
         mb::kIconQuestion | mb::kYesNo | mb::kTopmost | kDefault3, "Titel", mb::kIdNo},
        {"abort", [](ViewerMessages& m) { m.showAbort(); }, mb::kIdOk, mb::kIconStop | mb::kTopmost,
         "Abbruchtitel", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedMessageBoxes boxes;
        boxes.answers.push_back(c.answer);
        ViewerMessages messages(boxes);
        messages.infoTitle = "Titel";
        messages.abortTitle = "Abbruchtitel";
        messages.messageText = "Text";

        c.show(messages);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, "Text");
        EXPECT_EQ(boxes.shown[0].caption, c.caption);
        EXPECT_EQ(boxes.shown[0].flags, c.flags);
        EXPECT_EQ(messages.messageText, "no message");
        EXPECT_EQ(messages.lastAnswer, c.lastAnswer);
        // Only the title the box used is reset.
        const bool abort = (c.flags & 0xF0) == mb::kIconStop;
        EXPECT_EQ(messages.infoTitle, abort ? "Titel" : "INFORMATION");
        EXPECT_EQ(messages.abortTitle, abort ? "ABBRUCHINFORMATION" : "Abbruchtitel");
    }
}

TEST(ViewerMessages, FirstAbortAfterStartIsTitledAbbruch) {
    ScriptedMessageBoxes boxes;
    ViewerMessages messages(boxes);
    EXPECT_EQ(messages.infoTitle, "INFORMATION");
    EXPECT_EQ(messages.lastAnswer, 0);
    messages.abort("eins");
    messages.abort("zwei");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].caption, "ABBRUCH");
    EXPECT_EQ(boxes.shown[1].caption, "ABBRUCHINFORMATION");
    EXPECT_EQ(boxes.shown[1].text, "zwei");
}

}  // namespace
}  // namespace karvelo
