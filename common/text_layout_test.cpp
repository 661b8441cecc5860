#include "common/text_layout.hpp"

#include <gtest/gtest.h>

#include "common/testing/layout_lines.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "common/testing/fake_text_measurer.hpp"
#include "common/text.hpp"

namespace karvelo {
namespace {

using testing::FakeTextMeasuring;

using testing::splitLines;
using testing::withoutBlanks;

std::string blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

TEST(LayoutMeasures, DerivedFromWidthAndResolution) {
    struct Case {
        int width, pixelsPerInch;
        LayoutMeasures expected;  // margin, wrap, trimming limit, threshold, justified
    } cases[] = {
        {450, 96, {3, 447, 280, 268, 444}},
        {484, 96, {3, 481, 280, 288, 478}},
        {450, 120, {4, 446, 280, 267, 442}},
        {450, 0, {0, 450, 280, 270, 450}},
        {450, -96, {0, 450, 280, 270, 450}},  // a resolution that is not positive counts as 0
        {199, 96, {3, 196, 70, 117, 193}},    // the trimming limit divides by 100 first
        {99, 96, {3, 96, 0, 57, 93}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(layoutMeasures(c.width, c.pixelsPerInch), c.expected)
            << c.width << " at " << c.pixelsPerInch;
    }
}

// The fake measures 10 pixels per character and 4 per blank. At 96 pixels per inch a
// width of 100 wraps at 97, trims blanks down to 70, justifies above 58 to 94; a width
// of 200 wraps at 197 and justifies above 118 to 194.
TEST(LayoutText, BreaksAndJustifies) {
    struct Case {
        const char* what;
        std::string paragraph;
        int width;
        int pixelsPerInch;
        std::string expected;
    } cases[] = {
        {"short line stays as it is", "kurzer Text", 450, 96, "kurzer Text"},
        {"short line keeps its leading blank", " kurzer Text", 450, 96, " kurzer Text"},
        {"one line above the threshold is spread, the first gap one blank wider", "aaaa bbbb cccc",
         200, 96, "aaaa" + blanks(10) + "bbbb" + blanks(9) + "cccc"},
        {"spread that meets the justified width exactly", "aaaaaa bbbbbbb", 200, 96,
         "aaaaaa" + blanks(16) + "bbbbbbb"},
        {"single word above the threshold gets one blank", "Donaudampfschiff", 200, 96,
         "Donaudampfschiff "},
        {"long word split without hyphen", "ab cdefghijklm", 100, 96, "ab cdefghi\rjklm"},
        {"blank at the cut starts the next line", "abc def hi jk", 100, 96, "abc  def  hi\r jk"},
        {"blanks at the cut are trimmed only down to the trimming limit; a line at the "
         "threshold stays",
         "abcdef" + blanks(9) + "ghi", 100, 96, "abcdef  \r" + blanks(7) + "ghi"},
        {"double blank counts as an empty word", "abc  def ghi", 100, 96, "abc   def gh\ri"},
        {"justified line loses its leading blank", "abcdefghi ab cd efgh", 100, 96,
         "abcdefghi \rab  cd  efgh"},
        {"margin follows the resolution", "abcdefghij", 100, 96, "abcdefghi \rj"},
        {"no margin without a resolution", "abcdefghij", 100, 0, "abcdefghij "},
        {"empty paragraph", "", 450, 96, ""},
        {"wrap width below one character keeps one character per line", "ab cd", 5, 96,
         "a \rb \r \rc \rd "},
        {"width zero", "ab", 0, 96, "a \rb "},
    };
    for (const auto& c : cases) {
        FakeTextMeasuring measuring;
        measuring.pixelsPerInch = c.pixelsPerInch;
        EXPECT_EQ(layoutText(measuring, c.paragraph, c.width, "Arial", 8, FontStyle::Normal),
                  c.expected)
            << c.what;
    }
}

// Whatever the width, nothing of the paragraph is lost or reordered, no line is empty,
// no line shows more than the wrap width, and every line of several words that is wider
// than the threshold reaches the justified width.
TEST(LayoutText, KeepsItsPromisesAtEveryWidth) {
    const std::string paragraph =
        "Dieses Programm liest das Alarmprotokoll der Steuerung und zeigt es als "
        "übersichtliche Tabelle an. Sie können darin suchen, es drucken oder als Textdatei "
        "speichern. Weitere Hinweise finden Sie in der Hilfe.";
    FakeTextMeasuring measuring;
    measuring.widths = {{'i', 4}, {'l', 4}, {'m', 14}, {'W', 15}, {'.', 5}};
    for (const int width : {1, 12, 30, 99, 160, 250, 450, 484, 2500}) {
        SCOPED_TRACE(width);
        const LayoutMeasures m = layoutMeasures(width, measuring.pixelsPerInch);
        const std::string text =
            layoutText(measuring, paragraph, width, "Arial", 8, FontStyle::Normal);
        EXPECT_EQ(withoutBlanks(text), withoutBlanks(paragraph));
        for (const std::string& line : splitLines(text)) {
            ASSERT_FALSE(line.empty());
            // A blank appended to a single word may stand beyond the wrap width.
            const std::string_view visible = trimSpaces(line);
            if (visible.size() > 1) {
                EXPECT_LE(measuring.width(visible), m.wrapWidth) << line;
            }
            if (visible.find(' ') != std::string_view::npos &&
                measuring.width(line) > m.justificationThreshold) {
                EXPECT_GE(measuring.width(line), m.justifiedWidth) << line;
            }
        }
    }
}

TEST(LayoutText, MeasuresInTheRequestedFontAndReturnsTheParagraphWhenItCannot) {
    FakeTextMeasuring measuring;
    measuring.fontAvailable = false;
    const std::string paragraph = " Ein Absatz,  der nicht gemessen werden kann ";
    EXPECT_EQ(layoutText(measuring, paragraph, 100, "Arial", 9, FontStyle::Bold), paragraph);
    ASSERT_EQ(measuring.requests.size(), 1u);
    EXPECT_EQ(measuring.requests[0], (testing::FontRequest{"Arial", 9, FontStyle::Bold}));
}

// With blanks that have no width a line can never be spread; it must still come back.
TEST(LayoutText, BlanksWithoutWidthDoNotHang) {
    FakeTextMeasuring measuring;
    measuring.blankWidth = 0;
    EXPECT_EQ(layoutText(measuring, " aaaaaa bbbbbbb", 200, "Arial", 8, FontStyle::Normal),
              "aaaaaa bbbbbbb");
}

}  // namespace
}  // namespace karvelo
