#include "BarPatternText.h"

namespace {

void append(QString& text, const std::vector<BarElement>& elements, const BarPixelWidths& widths,
            bool heights) {
    for (const BarElement& element : elements) {
        QChar c = u'0';
        if (element.isBar)
            c = !heights ? u'1' : element.halfHeight ? u'H' : u'F';
        text += QString(widths.of(element.width), c);
    }
}

} // namespace

QString barPatternText(const BarCodeEncoding& encoding, const BarPixelWidths& widths) {
    QString text;
    append(text, encoding.bars, widths, encoding.type == bcPostnet);
    if (!encoding.addOnBars.empty()) {
        text += QString(9 * widths.narrow, u'0');
        append(text, encoding.addOnBars, widths, false);
    }
    return text;
}
