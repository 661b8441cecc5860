#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "common/text_measurer.hpp"

namespace karvelo {
namespace {

// Owners of the GDI and window objects one measuring session needs, released in reverse
// order of creation by the session's member order.
class Window {
public:
    explicit Window(HWND handle) : handle_(handle) {}
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    ~Window() {
        if (handle_) DestroyWindow(handle_);
    }
    HWND get() const { return handle_; }

private:
    HWND handle_;
};

class WindowDc {
public:
    WindowDc(HWND window, HDC dc) : window_(window), dc_(dc) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

class Font {
public:
    explicit Font(HFONT handle) : handle_(handle) {}
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    ~Font() {
        if (handle_) DeleteObject(handle_);
    }
    HFONT get() const { return handle_; }

private:
    HFONT handle_;
};

// Selects a font into a device context and puts the previous one back, so that the font
// is no longer selected when it is deleted.
class FontSelection {
public:
    FontSelection(HDC dc, HFONT font)
        : dc_(dc), previous_(dc && font ? SelectObject(dc, font) : nullptr) {}
    FontSelection(const FontSelection&) = delete;
    FontSelection& operator=(const FontSelection&) = delete;
    ~FontSelection() {
        if (*this) SelectObject(dc_, previous_);
    }
    explicit operator bool() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A font selected into the drawing surface of a hidden 100 x 100 window; all of it exists
// only as long as this object.
class GdiFontMeasure final : public FontMeasure {
public:
    GdiFontMeasure(HWND window, HDC dc, HFONT font)
        : window_(window), dc_(window, dc), font_(font), selection_(dc, font) {}

    bool ready() const { return window_.get() && dc_.get() && font_.get() && selection_; }

    int width(std::string_view text) override {
        if (text.size() > static_cast<std::size_t>(INT_MAX)) return 0;
        SIZE size{};
        if (!GetTextExtentPoint32A(dc_.get(), text.data(), static_cast<int>(text.size()), &size)) {
            return 0;
        }
        return size.cx;
    }

private:
    Window window_;
    WindowDc dc_;
    Font font_;
    FontSelection selection_;
};

HFONT createFont(HDC dc, std::string_view fontName, int pointSize, FontStyle style) {
    LOGFONTA font{};
    font.lfHeight = -MulDiv(pointSize, GetDeviceCaps(dc, LOGPIXELSY), 72);
    font.lfWeight = style == FontStyle::Bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // A face name longer than the field is cut rather than written past it.
    const std::size_t length = std::min(fontName.size(), sizeof font.lfFaceName - 1);
    std::memcpy(font.lfFaceName, fontName.data(), length);
    return CreateFontIndirectA(&font);
}

class GdiTextMeasuring final : public TextMeasuring {
public:
    int screenPixelsPerInch() override {
        const HWND desktop = GetDesktopWindow();
        const WindowDc dc(desktop, GetDC(desktop));
        if (!dc.get()) return 0;
        return std::max(GetDeviceCaps(dc.get(), LOGPIXELSX), 0);
    }

    std::unique_ptr<FontMeasure> openFont(std::string_view fontName, int pointSize,
                                          FontStyle style) override {
        // A predefined window class, so nothing has to be registered or unregistered.
        const HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr,
                                            nullptr, GetModuleHandleA(nullptr), nullptr);
        if (!window) return nullptr;
        const HDC dc = GetDC(window);
        const HFONT font = dc ? createFont(dc, fontName, pointSize, style) : nullptr;
        // The measure owns whatever was made, so a failure part-way releases it as well.
        auto measure = std::make_unique<GdiFontMeasure>(window, dc, font);
        if (!measure->ready()) return nullptr;
        return measure;
    }
};

}  // namespace

std::unique_ptr<TextMeasuring> makeSystemTextMeasuring() {
    return std::make_unique<GdiTextMeasuring>();
}

}  // namespace karvelo
