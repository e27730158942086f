#include "TabbedText.h"

TabbedText::TabbedText(const TextMeasurer& measurer, const TppFont& font, int verticalPpi,
                       QList<int> tabStops)
    : measurer_(measurer), font_(font), ppi_(verticalPpi), stops_(std::move(tabStops)),
      metrics_(measurer.metrics(font, verticalPpi)),
      defaultTab_(std::max(1, 8 * measurer.width(font, verticalPpi, QStringLiteral("x")))) {}

int TabbedText::nextStop(int position, int tabOrigin) const {
    const int relative = position - tabOrigin;
    for (int stop : stops_)
        if (stop > relative)
            return tabOrigin + stop;
    // Past the last stop (or without stops) tabs fall on the default grid.
    return tabOrigin + (relative / defaultTab_ + 1) * defaultTab_;
}

int TabbedText::width(const QString& text, int tabOrigin, int x) const {
    int position = x;
    const QStringList pieces = text.split(u'\t');
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            position = nextStop(position, tabOrigin);
        position += plainWidth(pieces[i]);
    }
    return position - x;
}

void TabbedText::draw(QPainter& painter, int x, int top, const QString& text, int tabOrigin) const {
    painter.setFont(font_.toQFont(ppi_));
    int position = x;
    const QStringList pieces = text.split(u'\t');
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            position = nextStop(position, tabOrigin);
        painter.drawText(QPoint(position, top + metrics_.ascent), pieces[i]);
        position += plainWidth(pieces[i]);
    }
}

QList<int> tabStopsInPixels(const QStringList& stops, TppUnitType unit, const DeviceResolution* printer) {
    constexpr qsizetype kMaxStops = 100;
    QList<int> pixels;
    for (const QString& stop : stops) {
        if (pixels.size() == kMaxStops)
            break;
        bool ok = false;
        const int mm = stop.trimmed().toInt(&ok);
        if (ok)
            // Rounded: cut off, a stop of 1 mm lands almost a pixel short on a screen.
            pixels << int(roundHalfEven(UnitsFromMM(mm, unit, Axis::Horizontal, printer)));
    }
    return pixels;
}
