#pragma once
// Text measuring: pixel widths of single-byte texts in a named font, and the screen's
// resolution that the layout derives its margin from.
#include <memory>
#include <string_view>

namespace karvelo {

enum class FontStyle { Normal, Bold };

// One font opened for measuring. It stays usable until it is destroyed, which releases
// everything that was set up for it.
class FontMeasure {
public:
    virtual ~FontMeasure() = default;
    // Width of `text` in pixels (Windows-1252 bytes); 0 when it cannot be measured.
    virtual int width(std::string_view text) = 0;
};

class TextMeasuring {
public:
    virtual ~TextMeasuring() = default;
    // Horizontal pixels per inch of the screen; a value that is not positive is given as 0.
    virtual int screenPixelsPerInch() = 0;
    // The named font at `pointSize` points for this screen, or nothing when the drawing
    // surface or the font cannot be set up.
    virtual std::unique_ptr<FontMeasure> openFont(std::string_view fontName, int pointSize,
                                                  FontStyle style) = 0;
};

// Measures with GDI on a hidden window (Windows only).
std::unique_ptr<TextMeasuring> makeSystemTextMeasuring();

}  // namespace karvelo
