// The layout with real GDI measuring in "Arial" (Liberation Sans under Wine, which has
// Arial's metrics): every line fits the width and the justified lines are full.
#include <gtest/gtest.h>

#include "common/testing/layout_lines.hpp"

#include <string>
#include <vector>

#include "common/text.hpp"
#include "common/text_layout.hpp"

namespace karvelo {
namespace {

using testing::splitLines;
using testing::withoutBlanks;

TEST(SystemTextMeasuring, GivesPlausibleWidths) {
    const auto measuring = makeSystemTextMeasuring();
    EXPECT_GT(measuring->screenPixelsPerInch(), 0);
    const auto normal = measuring->openFont("Arial", 8, FontStyle::Normal);
    const auto bold = measuring->openFont("Arial", 8, FontStyle::Bold);
    const auto large = measuring->openFont("Arial", 16, FontStyle::Normal);
    ASSERT_TRUE(normal && bold && large);

    EXPECT_GT(normal->width("W"), normal->width("i"));
    EXPECT_GT(normal->width(" "), 0);
    EXPECT_LT(normal->width(" "), normal->width("n"));
    EXPECT_EQ(normal->width(""), 0);
    EXPECT_GT(bold->width("Alarmprotokoll"), normal->width("Alarmprotokoll"));
    EXPECT_GT(large->width("Alarmprotokoll"), normal->width("Alarmprotokoll") * 3 / 2);
    // Windows-1252 bytes reach the font as the umlauts, which are as wide as their vowels.
    EXPECT_EQ(normal->width("Übergröße"), normal->width("Ubergroße"));
    EXPECT_GT(normal->width("Übergröße"), normal->width("Ubergr"));
}

TEST(SystemTextMeasuring, LaysOutAGermanParagraphInArial) {
    const std::string paragraph =
        "Dieses Programm liest das Alarmprotokoll einer Werkzeugmaschinensteuerung, wandelt "
        "es in eine übersichtliche Tabelle um und zeigt Kommen, Gehen, Löschbedingung und "
        "Alarmtext jedes Alarms an. Sie können die Tabelle durchsuchen, auf Papier im "
        "Querformat drucken oder als formatierte Textdatei speichern, die jeder Texteditor "
        "öffnen kann. Für Fragen und Anregungen wenden Sie sich bitte an den Hersteller.";
    const auto measuring = makeSystemTextMeasuring();
    struct Case {
        int width;
        FontStyle style;
    } cases[] = {{450, FontStyle::Normal}, {484, FontStyle::Bold}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        const std::string text = layoutText(*measuring, paragraph, c.width, "Arial", 8, c.style);
        const LayoutMeasures m = layoutMeasures(c.width, measuring->screenPixelsPerInch());
        const auto font = measuring->openFont("Arial", 8, c.style);
        ASSERT_TRUE(font);

        EXPECT_EQ(withoutBlanks(text), withoutBlanks(paragraph));
        const std::vector<std::string> lines = splitLines(text);
        ASSERT_GE(lines.size(), 4u);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_LE(font->width(trimSpaces(lines[i])), m.wrapWidth) << lines[i];
            if (i + 1 < lines.size()) {
                EXPECT_GE(font->width(lines[i]), m.justifiedWidth) << lines[i];
            }
        }
    }
}

}  // namespace
}  // namespace karvelo
