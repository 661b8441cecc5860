#include "common/text_layout.hpp"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/text.hpp"

namespace karvelo {
namespace {

constexpr char kBlank = ' ';

// How many characters of `rest` make its next line. The line is cut after the last
// character that fits, inside a word if need be. A blank at the cut goes, and further
// blanks before it go while the line is still wider than the trimming limit; the blanks
// removed stay in `rest` and so start the next line. However narrow the wrap width, one
// character is always kept, so that every line advances through the paragraph.
std::size_t lineLength(FontMeasure& font, std::string_view rest, const LayoutMeasures& m) {
    std::size_t kept = rest.size();
    while (kept > 1 && font.width(rest.substr(0, kept)) > m.wrapWidth) {
        --kept;
        if (kept > 1 && rest[kept - 1] == kBlank) {
            --kept;
            while (kept > 1 && rest[kept - 1] == kBlank &&
                   font.width(rest.substr(0, kept)) > m.trimmingLimit) {
                --kept;
            }
        }
    }
    return kept;
}

// Splits at every blank, so that a leading blank gives an empty first word and a double
// blank an empty word between the two.
std::vector<std::string_view> splitAtBlanks(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == kBlank) {
            words.push_back(line.substr(start, i - start));
            start = i + 1;
        }
    }
    return words;
}

// Every word followed by `blanks` blanks, the first `widerCount` words by one more; blanks
// at both ends removed.
std::string joinWords(const std::vector<std::string_view>& words, int blanks,
                      std::size_t widerCount) {
    std::string joined;
    for (std::size_t i = 0; i < words.size(); ++i) {
        joined += words[i];
        joined.append(static_cast<std::size_t>(blanks) + (i < widerCount ? 1 : 0), kBlank);
    }
    return std::string(trimSpaces(joined));
}

// Spreads a line to the justified width by widening the gaps between its words: the
// same number of blanks in every gap, then one more in the first gaps until the line
// is full. A line of one word only gets a blank appended.
std::string justify(FontMeasure& font, std::string line, const LayoutMeasures& m) {
    if (line.empty() || line.back() != kBlank) line += kBlank;
    const std::string_view inner = trimSpaces(line);
    if (std::count(inner.begin(), inner.end(), kBlank) == 0) return line;

    const std::vector<std::string_view> words = splitAtBlanks(line);
    int blanks = 1;
    std::string joined = joinWords(words, blanks, 0);
    int joinedWidth = font.width(joined);
    while (joinedWidth < m.justifiedWidth) {
        std::string wider = joinWords(words, blanks + 1, 0);
        const int widerWidth = font.width(wider);
        // Blanks that add no width could never fill the line: stop instead of looping.
        if (widerWidth <= joinedWidth) return joined;
        ++blanks;
        joined = std::move(wider);
        joinedWidth = widerWidth;
    }
    if (joinedWidth == m.justifiedWidth) return joined;

    blanks = std::max(1, blanks - 1);
    joined = joinWords(words, blanks, 0);
    for (std::size_t widerCount = 1;
         widerCount <= words.size() && font.width(joined) < m.justifiedWidth; ++widerCount) {
        joined = joinWords(words, blanks, widerCount);
    }
    return joined;
}

}  // namespace

LayoutMeasures layoutMeasures(int width, int pixelsPerInch) {
    LayoutMeasures m;
    m.margin = std::max(pixelsPerInch, 0) / 25;
    m.wrapWidth = width - m.margin;
    m.trimmingLimit = (width / 100) * 70;
    m.justificationThreshold = static_cast<int>(std::int64_t{m.wrapWidth} * 60 / 100);
    m.justifiedWidth = m.wrapWidth - m.margin;
    return m;
}

std::string layoutText(TextMeasuring& measuring, std::string_view paragraph, int width,
                       std::string_view fontName, int pointSize, FontStyle style) {
    if (paragraph.empty()) return {};
    const LayoutMeasures m = layoutMeasures(width, measuring.screenPixelsPerInch());
    const std::unique_ptr<FontMeasure> font = measuring.openFont(fontName, pointSize, style);
    if (!font) return std::string(paragraph);

    std::string result;
    std::string_view rest = paragraph;
    while (!rest.empty()) {
        const std::size_t kept = lineLength(*font, rest, m);
        std::string line(rest.substr(0, kept));
        rest.remove_prefix(kept);
        if (font->width(line) > m.justificationThreshold) line = justify(*font, line, m);
        if (!result.empty()) result += '\r';
        result += line;
    }
    return result;
}

}  // namespace karvelo
