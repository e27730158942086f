#include "TextExtent.h"

#include "TabbedText.h"

#include <QRegularExpression>

QSize measureTextExtent(const QString& text, const TppFont& font, const TextCanvas& canvas, int widthPixels,
                        bool wordBreak) {
    const TabbedText tabbed(canvas.measurer, font, canvas.verticalPixelsPerInch(), {});
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    int lines = 0;
    int widest = 0;
    for (const QString& hardLine : text.split(lineBreak)) {
        if (!wordBreak) {
            ++lines;
            widest = std::max(widest, tabbed.width(hardLine));
            continue;
        }
        QString line;
        for (const QString& word : hardLine.split(u' ')) {
            const QString longer = line.isNull() ? word : line + u' ' + word;
            if (!line.isNull() && tabbed.width(longer) > widthPixels) {
                ++lines;
                widest = std::max(widest, tabbed.width(line));
                line = word;
            } else {
                line = longer;
            }
        }
        ++lines;
        widest = std::max(widest, tabbed.width(line));
    }
    return {widest, std::max(1, lines) * tabbed.metrics().height};
}
