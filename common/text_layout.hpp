#pragma once
// Justified text layout: breaks a paragraph into lines that fit a pixel width and spreads
// the fuller lines to that width by widening the blanks between their words, so that a
// plain text control can show it without wrapping itself.
#include <string>
#include <string_view>

#include "common/text_measurer.hpp"

namespace karvelo {

// The pixel measures one layout works with, derived from the width and the screen.
struct LayoutMeasures {
    int margin = 0;                  // kept free at the right, and again for justified lines
    int wrapWidth = 0;               // no line is wider
    int trimmingLimit = 0;           // blanks at a cut are removed while the line is wider
    int justificationThreshold = 0;  // only lines wider than this are spread
    int justifiedWidth = 0;          // lines are spread to (at least) this width

    bool operator==(const LayoutMeasures&) const = default;
};

// `pixelsPerInch` that is not positive counts as 0 (no margin).
LayoutMeasures layoutMeasures(int width, int pixelsPerInch);

// Lays out `paragraph` (a text without line breaks) for `width` pixels in the given font:
// lines separated by "\r", none after the last. An empty paragraph gives the empty text;
// when the font cannot be opened for measuring the paragraph comes back unchanged.
// Every line holds at least one character, however narrow the width.
std::string layoutText(TextMeasuring& measuring, std::string_view paragraph, int width,
                       std::string_view fontName, int pointSize, FontStyle style);

}  // namespace karvelo
