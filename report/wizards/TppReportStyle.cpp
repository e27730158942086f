#include "TppReportStyle.h"

#include "TppBand.h"
#include "TppReportModel.h"
#include "WizardBands.h"

#include <optional>

namespace {

// Stored colours are 0x00BBGGRR.
constexpr int kMaroon = 0x000080;
constexpr int kTeal = 0x808000;
constexpr int kGray = 0x808080;
constexpr int kNavy = 0x800000;
constexpr int kSilver = 0xC0C0C0;
constexpr int kWhite = 0xFFFFFF;
constexpr int kBlack = 0x000000;

constexpr unsigned kBold = TppFont::fsBold;
constexpr unsigned kItalic = TppFont::fsItalic;

enum class Role { Other, Header, Title, Footer, Detail };

Role roleOf(const TppBand& band) {
    switch (band.BandTypeCode()) {
    case btHeader:
        return Role::Header;
    case btTitle:
        return Role::Title;
    case btFooter:
        return Role::Footer;
    case btDetail:
        return Role::Detail;
    case btSummary:
        return band.Report() && isChildReport(*band.Report()) ? Role::Footer : Role::Other;
    default:
        return Role::Other;
    }
}

TppBandStyle base(const char* font, int size, unsigned style, int color, int lineColor, int lineWidth) {
    TppBandStyle band;
    band.font.name = QLatin1String(font);
    band.font.size = size;
    band.font.style = style;
    band.font.color = color;
    band.lineColor = lineColor;
    band.lineWidth = lineWidth;
    return band;
}

// What a role changes of the style's base values; the rest stays.
class Change {
public:
    Change& font(const char* name) { return set(font_, name); }
    Change& size(int points) { return set(size_, points); }
    Change& style(unsigned bits) { return set(style_, bits); }
    Change& color(int color) { return set(color_, color); }
    Change& background(int color) { return set(background_, color); }
    Change& lineColor(int color) { return set(lineColor_, color); }
    Change& lineWidth(int pixels) { return set(lineWidth_, pixels); }

    void applyTo(TppBandStyle& band) const {
        if (font_)
            band.font.name = QLatin1String(*font_);
        band.font.size = size_.value_or(band.font.size);
        band.font.style = style_.value_or(band.font.style);
        band.font.color = color_.value_or(band.font.color);
        band.background = background_.value_or(band.background);
        band.lineColor = lineColor_.value_or(band.lineColor);
        band.lineWidth = lineWidth_.value_or(band.lineWidth);
    }

private:
    template <class T, class V> Change& set(std::optional<T>& field, V value) {
        field = value;
        return *this;
    }
    std::optional<const char*> font_;
    std::optional<int> size_;
    std::optional<unsigned> style_;
    std::optional<int> color_;
    std::optional<int> background_;
    std::optional<int> lineColor_;
    std::optional<int> lineWidth_;
};

struct StyleRule {
    TppBandStyle base;
    Change header;
    Change title;
    Change footer;
    Change detail;
};

StyleRule ruleOf(TppReportStyleType type) {
    switch (type) {
    case rsBold:
        return {base("TIMES NEW ROMAN", 10, kBold, kBlack, kBlack, 1),
                Change().font("ARIAL").lineColor(kMaroon).lineWidth(2), Change().size(20).color(kMaroon),
                Change().lineWidth(3), Change().size(9)};
    case rsCasual:
        return {base("ARIAL", 10, 0, kBlack, kTeal, 2), Change().style(kBold),
                Change().size(24).style(kBold).color(kTeal), Change().size(9).lineWidth(5), Change()};
    case rsCompact:
        return {base("HAETTENSCHWEILER", 10, 0, kBlack, kBlack, 2), Change().size(14), Change().size(28),
                Change().font("ARIAL").size(8).lineColor(kGray).lineWidth(1), Change().font("ARIAL").size(8)};
    case rsCorporate:
        return {base("TIMES NEW ROMAN", 9, 0, kNavy, kNavy, 2), Change().size(11).style(kBold | kItalic),
                Change().size(20).style(kBold | kItalic), Change().size(9).lineColor(kGray).lineWidth(2),
                Change().font("ARIAL").size(8).color(kBlack)};
    case rsFormal:
        return {base("TIMES NEW ROMAN", 8, 0, kBlack, kBlack, 2), Change().size(10).style(kBold),
                Change().size(24), Change().lineColor(kGray).lineWidth(1), Change()};
    case rsSoftGray:
        return {base("ARIAL", 9, 0, kBlack, kGray, 3), Change().style(kBold),
                Change().size(24).style(kBold).color(kWhite).background(kSilver),
                Change().style(kBold).background(kSilver).lineWidth(3),
                Change().font("TIMES NEW ROMAN").size(11)};
    }
    return ruleOf(rsCorporate);
}

} // namespace

TppReportStyle createReportStyle(TppReportStyleType type, const TppReportModel& report) {
    const StyleRule rule = ruleOf(type);
    TppReportStyle style;
    for (const TppBand* band : report.Bands()) {
        TppBandStyle bandStyle = rule.base;
        switch (roleOf(*band)) {
        case Role::Header:
            rule.header.applyTo(bandStyle);
            break;
        case Role::Title:
            rule.title.applyTo(bandStyle);
            break;
        case Role::Footer:
            rule.footer.applyTo(bandStyle);
            break;
        case Role::Detail:
            rule.detail.applyTo(bandStyle);
            break;
        case Role::Other:
            break;
        }
        style.bands[band] = bandStyle;
    }
    return style;
}
