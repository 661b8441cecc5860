#pragma once
// A text measurer with fixed widths per character, so that line breaks and justification
// can be worked out by hand: every blank is `blankWidth` pixels, every other character
// `letterWidth` unless `widths` names it.
#include <map>
#include <string>
#include <vector>

#include "common/text_measurer.hpp"

namespace karvelo::testing {

struct FontRequest {
    std::string name;
    int pointSize = 0;
    FontStyle style = FontStyle::Normal;
    bool operator==(const FontRequest&) const = default;
};

class FakeTextMeasuring final : public TextMeasuring {
public:
    int pixelsPerInch = 96;
    int blankWidth = 4;
    int letterWidth = 10;
    std::map<char, int> widths;
    bool fontAvailable = true;  // false: openFont fails as if no window or font could be made
    std::vector<FontRequest> requests;

    int width(std::string_view text) const;

    int screenPixelsPerInch() override { return pixelsPerInch; }
    std::unique_ptr<FontMeasure> openFont(std::string_view fontName, int pointSize,
                                          FontStyle style) override;
};

}  // namespace karvelo::testing
