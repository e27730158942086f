#include "TppPlainText.h"

#include "TabbedText.h"
#include "TppTextWrapper.h"

void TppPlainText::WrapText(const QString& text, const TppPrintRect& box, QStringList& lines, int& position,
                            const TppFont& font, const TextCanvas& canvas, const WrapOptions& options) {
    TppTextWrapper wrapper(font, canvas, options);
    position = wrapper.Wrap(text, box, lines, position);
}

TppPlainText::LineHeightResult TppPlainText::LineHeight(const TppFont& font, int leading,
                                                        const TextCanvas& canvas, int availableHeight) {
    const int cell = canvas.measurer.metrics(font, canvas.verticalPixelsPerInch()).height;
    const int linePixels = cell + canvas.toPixels(leading, Axis::Vertical);
    LineHeightResult result;
    result.lineHeight = canvas.toMM(linePixels, Axis::Vertical);
    if (linePixels > 0)
        result.lineCount = int(roundHalfEven(
            static_cast<long double>(canvas.toPixels(availableHeight, Axis::Vertical)) / linePixels));
    return result;
}

int TppPlainText::TabbedTextWidth(const TppFont& font, const TextCanvas& canvas, const QString& text,
                                  const QList<int>& tabStops) {
    return TabbedText(canvas.measurer, font, canvas.verticalPixelsPerInch(), tabStops).width(text);
}

QList<int> TppPlainText::ConvertTabStops(const QStringList& stops, TppUnitType unit,
                                         const DeviceResolution* printer) {
    return tabStopsInPixels(stops, unit, printer);
}
