#include "ScreenText.h"

#include "TabbedText.h"
#include "Units.h"

#include <QHash>
#include <cmath>

namespace ScreenText {

namespace {

const QString kParagraphEnd = QStringLiteral("$\u00B6");

int lineHeightOf(const TextMeasurer& measurer, const TppFont& font, int leading) {
    return measurer.metrics(font, kFontPixelsPerInch).height + leading;
}

bool fitsBox(int boxHeight, qsizetype lineCount, int lineHeight) {
    return boxHeight / lineCount >= lineHeight;
}

} // namespace

QString fontName(const QString& name) {
    static const QHash<QString, QString> standIns = {
        {QStringLiteral("Courier"), QStringLiteral("Courier New")},
        {QStringLiteral("Fixedsys"), QStringLiteral("Arial")},
        {QStringLiteral("Modern"), QStringLiteral("Arial")},
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Arial")},
        {QStringLiteral("Small Fonts"), QStringLiteral("Arial")},
        {QStringLiteral("System"), QStringLiteral("Arial")},
        {QStringLiteral("Terminal"), QStringLiteral("Arial")},
        {QStringLiteral("MS Serif"), QStringLiteral("Courier New")},
    };
    return standIns.value(name, name);
}

TppFont zoomedFont(const TppFont& font, int pixelsPerInch, long double scaleY) {
    TppFont zoomed = font;
    zoomed.name = fontName(font.name);
    const long double atFullSize = roundHalfEven(font.size * (long double)pixelsPerInch / 72);
    zoomed.size = std::max(1, int(std::abs(roundHalfEven(atFullSize * scaleY))));
    return zoomed;
}

MemoFit fitMemo(const TextMeasurer& measurer, const TppFont& font, int leading, const QStringList& lines,
                const QList<int>& tabStops, int boxWidth, int boxHeight) {
    MemoFit fit{font, leading, lineHeightOf(measurer, font, leading), int(lines.size())};
    if (lines.size() < 2)
        return fit;

    for (const QString& line : lines) {
        if (fit.font.size < 2)
            break;
        const TabbedText text(measurer, fit.font, kFontPixelsPerInch, tabStops);
        if (text.width(QString(line).remove(kParagraphEnd)) > boxWidth)
            --fit.font.size;
    }
    fit.lineHeight = lineHeightOf(measurer, fit.font, fit.leading);

    const qsizetype count = lines.size();
    const int even = int(roundHalfEven((long double)boxHeight / count));
    if (fit.lineHeight > 0 && std::abs(even - fit.lineHeight) <= 0.1L * fit.lineHeight) {
        fit.lineHeight = even;
        return fit;
    }
    while (!fitsBox(boxHeight, count, fit.lineHeight) && fit.font.size > 1) {
        if (fit.leading > 0)
            --fit.leading;
        else
            --fit.font.size;
        fit.lineHeight = lineHeightOf(measurer, fit.font, fit.leading);
    }
    if (!fitsBox(boxHeight, count, fit.lineHeight) && fit.lineHeight > 0)
        fit.linesShown = int(std::min<qsizetype>(count, boxHeight / fit.lineHeight + 1));
    return fit;
}

} // namespace ScreenText
