#include "TextDrawing.h"

#include "DrawSurface.h"
#include "TabbedText.h"
#include "TppDrawText.h"
#include "TppPen.h"
#include "TppTextMarkups.h"

namespace {

const QString kParagraphEnd = TppTextMarkups::ParagraphEnd.toString();

int roundHalfEvenInt(long double value) { return int(roundHalfEven(value)); }

// Draws the line with `extra` pixels spread over its blanks, the first
// blanks taking one more while a remainder lasts. A line without blanks
// is spread between its letters.
void drawJustified(DrawSurface& surface, const TabbedText& text, QString line, int left, int top, int boxWidth) {
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
    const QList<int> tabStops =
        command.IsMemo ? tabStopsInPixels(command.TabStopPositions, utPrinterPixels, &surface) : QList<int>();
    const TabbedText text(surface.measurer, command.Font, surface.pixelsPerInch(Axis::Vertical), tabStops);
    const int lineHeight = text.metrics().height + (command.IsMemo ? surface.toPixels(command.Leading, Axis::Vertical)
                                                                   : text.metrics().externalLeading);

    QRect box(QPoint(command.DeviceLeft, command.DeviceTop), QPoint(command.DeviceRight, command.DeviceBottom));
    int boxLeft = command.DeviceLeft, boxTop = command.DeviceTop;
    int boxRight = command.DeviceRight, boxBottom = command.DeviceBottom;
    if (command.AutoSize && !command.WordWrap && !command.Text.isEmpty() && boxBottom - boxTop < lineHeight)
        boxBottom = boxTop + lineHeight;

    QStringList lines;
    if (command.WordWrap)
        lines = command.WrappedText;
    else if (!command.Text.isEmpty())
        lines << command.Text;
    if (lines.isEmpty())
        return;

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
    box = QRect(QPoint(boxLeft, boxTop), QPoint(boxRight - 1, boxBottom - 1));

    if (!command.Transparent)
        painter.fillRect(box, colorFromStored(command.Color));
    painter.setPen(colorFromStored(command.Font.color));
    painter.setBrush(Qt::NoBrush);

    const int boxWidth = boxRight - boxLeft;
    for (int i = 0; i < lines.size(); ++i) {
        const int y = boxTop + i * lineHeight;
        const QRect lineRect(QPoint(boxLeft, y), QPoint(boxRight - 1, boxBottom - 1));
        QString line = lines[i];
        const bool paragraphEnd = line.contains(kParagraphEnd);
        line.remove(kParagraphEnd);

        painter.save();
        if (!command.IsMemo)
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
