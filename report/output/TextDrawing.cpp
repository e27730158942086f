#include "TextDrawing.h"

#include "DrawSurface.h"
#include "ScreenText.h"
#include "TabbedText.h"
#include "TppDrawText.h"
#include "TppPen.h"
#include "TppTextMarkups.h"

namespace {

const QString kParagraphEnd = TppTextMarkups::ParagraphEnd.toString();

int roundHalfEvenInt(long double value) {
    return int(roundHalfEven(value));
}

// Draws the line with `extra` pixels spread over its blanks, the first
// blanks taking one more while a remainder lasts. A line without blanks
// is spread between its letters.
void drawJustified(DrawSurface& surface, const TabbedText& text, QString line, int left, int top,
                   int boxWidth) {
    line = line.trimmed().isEmpty() ? QString() : line;
    qsizetype start = 0;
    while (start < line.size() && line[start] == u' ')
        ++start;
    line = line.mid(start);
    while (line.endsWith(u' '))
        line.chop(1);
    if (!line.contains(u' ')) {
        QString spread;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (i > 0)
                spread += u' ';
            spread += line[i];
        }
        line = spread;
    }
    const QStringList words = line.split(u' ');
    const int breaks = int(words.size()) - 1;
    const int extra = boxWidth - text.width(line, left, left);
    int x = left;
    const int space = text.plainWidth(QStringLiteral(" "));
    for (int i = 0; i <= breaks; ++i) {
        text.draw(surface.painter, x, top, words[i], left);
        x += text.width(words[i], left, x);
        if (i < breaks) {
            x += space;
            if (breaks > 0)
                x += extra / breaks + (i < extra % breaks ? 1 : 0);
        }
    }
}

} // namespace

void drawText(DrawSurface& surface, TppDrawText& command) {
    QPainter& painter = surface.painter;
    QList<int> stops =
        command.IsMemo ? tabStopsInPixels(command.TabStopPositions, utPrinterPixels, &surface) : QList<int>();
    for (int& stop : stops)
        stop = surface.zoomed(stop, Axis::Horizontal);
    TppFont font = command.Font;
    int fontPpi = surface.pixelsPerInch(Axis::Vertical);
    if (surface.isScreen()) {
        font = ScreenText::zoomedFont(command.Font, fontPpi, surface.screenZoom->y);
        fontPpi = ScreenText::kFontPixelsPerInch;
    }
    // Memo leading stays at 100 % on the screen: the fit below absorbs it.
    int leading = command.IsMemo ? surface.toPixels(command.Leading, Axis::Vertical) : -1;

    QStringList lines;
    if (command.WordWrap)
        lines = command.WrappedText;
    else if (!command.Text.isEmpty())
        lines << command.Text;
    if (lines.isEmpty())
        return;

    int boxLeft = command.DeviceLeft, boxTop = command.DeviceTop;
    int boxRight = command.DeviceRight, boxBottom = command.DeviceBottom;
    int lineHeightOverride = 0;
    if (surface.isScreen() && command.IsMemo && lines.size() > 1) {
        const ScreenText::MemoFit fit = ScreenText::fitMemo(surface.measurer, font, leading, lines, stops,
                                                            boxRight - boxLeft, boxBottom - boxTop);
        font = fit.font;
        leading = fit.leading;
        lineHeightOverride = fit.lineHeight;
        lines = lines.mid(0, fit.linesShown);
    }
    const TabbedText text(surface.measurer, font, fontPpi, stops);
    const int lineHeight =
        lineHeightOverride > 0
            ? lineHeightOverride
            : text.metrics().height + (leading >= 0 ? leading : text.metrics().externalLeading);
    if (command.AutoSize && !command.WordWrap && !command.Text.isEmpty() && boxBottom - boxTop < lineHeight)
        boxBottom = boxTop + lineHeight;

    if (command.AutoSize) {
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, text.width(QString(line).remove(kParagraphEnd), boxLeft, boxLeft));
        const int boxWidth = boxRight - boxLeft;
        if (widest != boxWidth) {
            switch (command.Alignment()) {
            case taLeftJustify:
                boxRight = boxLeft + widest;
                break;
            case taRightJustify:
                boxLeft = boxRight - widest;
                break;
            case taCenter:
                boxLeft += roundHalfEvenInt((boxWidth - widest) / 2.0L);
                boxRight = boxLeft + widest;
                break;
            }
        }
    }
    const QRect box(QPoint(boxLeft, boxTop), QPoint(boxRight - 1, boxBottom - 1));

    if (!command.Transparent)
        painter.fillRect(box, colorFromStored(command.Color));
    const QColor colour = colorFromStored(command.Font.color);
    painter.setPen(surface.blackText && colour != Qt::white ? QColor(Qt::black) : colour);
    painter.setBrush(Qt::NoBrush);

    const int boxWidth = boxRight - boxLeft;
    for (int i = 0; i < lines.size(); ++i) {
        const int y = boxTop + i * lineHeight;
        const QRect lineRect(QPoint(boxLeft, y), QPoint(boxRight - 1, boxBottom - 1));
        QString line = lines[i];
        const bool paragraphEnd = line.contains(kParagraphEnd);
        line.remove(kParagraphEnd);

        painter.save();
        // Printed memos may reach past their box; the screen clips all but
        // auto-sized single texts, which it writes where they stand.
        const bool clipped = surface.isScreen() ? command.IsMemo || !command.AutoSize : !command.IsMemo;
        if (clipped)
            painter.setClipRect(lineRect);
        if (command.TextAlignment() == taFullJustified &&
            !(paragraphEnd && (!command.ForceJustifyLastLine || !line.trimmed().contains(u' ')))) {
            drawJustified(surface, text, line, boxLeft, y, boxWidth);
        } else {
            const int lineWidth = text.width(line, boxLeft, boxLeft);
            int x = boxLeft;
            if (command.TextAlignment() == taRightJustified)
                x = boxRight - lineWidth;
            else if (command.TextAlignment() == taCentered)
                x = boxLeft + roundHalfEvenInt((boxWidth - lineWidth) / 2.0L - 0.5L);
            text.draw(painter, x, y, line, x);
        }
        painter.restore();
    }

    if (command.AutoSize) {
        command.DeviceLeft = boxLeft;
        command.DeviceRight = boxRight;
        command.DeviceBottom = command.DeviceTop + int(lines.size()) * lineHeight;
    }
}
