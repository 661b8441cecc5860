#include "common/testing/fake_text_measurer.hpp"

namespace karvelo::testing {
namespace {

class FakeFontMeasure final : public FontMeasure {
public:
    explicit FakeFontMeasure(const FakeTextMeasuring& owner) : owner_(owner) {}
    int width(std::string_view text) override { return owner_.width(text); }

private:
    const FakeTextMeasuring& owner_;
};

}  // namespace

int FakeTextMeasuring::width(std::string_view text) const {
    int total = 0;
    for (const char c : text) {
        const auto it = widths.find(c);
        total += it != widths.end() ? it->second : c == ' ' ? blankWidth : letterWidth;
    }
    return total;
}

std::unique_ptr<FontMeasure> FakeTextMeasuring::openFont(std::string_view fontName, int pointSize,
                                                         FontStyle style) {
    requests.push_back({std::string(fontName), pointSize, style});
    if (!fontAvailable) return nullptr;
    return std::make_unique<FakeFontMeasure>(*this);
}

}  // namespace karvelo::testing
