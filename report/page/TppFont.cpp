#include "TppFont.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "Units.h"

const ClassInfo& TppFont::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppFont>("TFont", &Persistent::staticClassInfo(), [](auto& c) {
            c.property(
                 "Charset", [](const TppFont& f) { return f.charset; },
                 [](TppFont& f, int v) { f.charset = v; })
                .idents(charsetIdents())
                .withDefault(1);
            c.property(
                 "Color", [](const TppFont& f) { return f.color; }, [](TppFont& f, int v) { f.color = v; })
                .idents(colorIdents());
            // The size in points is what is kept: a pixel height would tie the layout
            // to the resolution it was made at. Older templates that hold only the
            // height still read it.
            c.property("Height", &TppFont::Height, &TppFont::SetHeight).notStored();
            c.property(
                "Name", [](const TppFont& f) { return f.name; },
                [](TppFont& f, const QString& v) { f.name = v; });
            c.property(
                 "Pitch", [](const TppFont& f) { return f.pitch; }, [](TppFont& f, Pitch v) { f.pitch = v; })
                .names(enumerationNames("TFontPitch"))
                .withDefault(fpDefault);
            c.property(
                "Size", [](const TppFont& f) { return f.size; }, [](TppFont& f, int v) { f.size = v; });
            c.property(
                 "Style", [](const TppFont& f) { return f.style; },
                 [](TppFont& f, unsigned v) { f.style = v; })
                .names(enumerationNames("TFontStyle"));
        });
    return info;
}

int TppFont::Height() const {
    return -int(roundHalfEven(size * 96.0L / 72));
}

void TppFont::SetHeight(int height) {
    // A positive height includes the internal leading; both are taken as
    // the em height, which is what users meant by the numbers they stored.
    size = int(roundHalfEven(std::abs(height) * 72.0L / 96));
}

QFont TppFont::toQFont(int verticalPixelsPerInch) const {
    QFont font(name);
    font.setPixelSize(std::max(1, int(roundHalfEven(size * (long double)verticalPixelsPerInch / 72))));
    font.setBold(style & fsBold);
    font.setItalic(style & fsItalic);
    font.setUnderline(style & fsUnderline);
    font.setStrikeOut(style & fsStrikeOut);
    if (pitch == fpFixed)
        font.setFixedPitch(true);
    // Report layouts are measured without hinting, so that widths scale
    // with the resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}
