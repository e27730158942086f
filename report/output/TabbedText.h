#pragma once

#include "TextMeasurer.h"
#include "Units.h"

#include <QList>
#include <QPainter>
#include <QStringList>

// Text with tab expansion: a tab moves on to the next stop right of the
// text so far, stops counted from the tab origin; without stops, every
// eight average character widths.
class TabbedText {
public:
    TabbedText(const TextMeasurer& measurer, const TppFont& font, int verticalPpi, QList<int> tabStops);

    int width(const QString& text, int tabOrigin = 0, int x = 0) const;
    // Draws the text with its cell's top-left corner at (x, top).
    void draw(QPainter& painter, int x, int top, const QString& text, int tabOrigin) const;
    int plainWidth(const QString& text) const { return measurer_.width(font_, ppi_, text); }
    const TextMeasurer::Metrics& metrics() const { return metrics_; }

private:
    int nextStop(int position, int tabOrigin) const;

    const TextMeasurer& measurer_;
    const TppFont& font_;
    int ppi_;
    QList<int> stops_;
    TextMeasurer::Metrics metrics_;
    int defaultTab_;
};

// Tab stops stored as lengths in thousandths of a millimetre, in pixels of
// `unit` (utScreenPixels, or utPrinterPixels of `printer`). Entries that are
// not whole numbers are skipped; at most 100 stops are kept.
QList<int> tabStopsInPixels(const QStringList& stops, TppUnitType unit, const DeviceResolution* printer);
