#pragma once

#include "BarCodeEncoding.h"
#include "TppBarCodeOrientation.h"

#include <QRect>
#include <QString>
#include <vector>

// What the layout needs besides the encoding; lengths in device pixels.
struct BarCodeLayoutOptions {
    // Pixels per inch along the symbol: the device's horizontal resolution,
    // its vertical one for the vertical orientations.
    double pixelsPerInch = 600;
    double barWidthInches = 0.01;
    double wideBarRatio = 3;
    TppBarCodeOrientation orientation = orLeftToRight;
    bool bearerBars = false;
    // With AutoSize the bar height follows the symbology's proportions and the
    // text line is added below; without it `height` (across the bars) is the
    // whole symbol's and the text line is taken from it.
    bool autoSize = true;
    int height = 0;
    // The height of "0" in the human-readable font; 0 prints no text.
    int textLineHeight = 0;
    // Where the one-line text of the symbologies without digit boxes goes.
    Qt::Alignment alignment = Qt::AlignLeft;
};

// Human-readable text to draw in a box, in the bar colour and turned by the
// layout's `textRotation`.
struct BarCodeTextBox {
    QRect rect;
    QString text;
    Qt::Alignment alignment = Qt::AlignLeft;
    // UPC and EAN digits stand in boxes cleared to the background over the
    // long bars, so paint the box before the text.
    bool clearBackground = false;
    // The UPC number system and check digits print two points smaller.
    bool smallerFont = false;
};

// A symbol as rectangles, ready to paint: fill the background, then the bars
// in the bar colour, then each text box. Rectangles are in pixels from the
// symbol's top-left corner, already turned to the orientation.
struct BarCodeLayout {
    QSize size;
    std::vector<QRect> bars;
    std::vector<BarCodeTextBox> texts;
    int textRotation = 0; // degrees, counter-clockwise

    // Before orientation: the quiet zone on either side and the height of the
    // bars above the text line.
    int quietZone = 0;
    int barHeight = 0;
    // The human-readable font is shrunk until `textToFit` fits `textFitWidth`
    // pixels.
    QString textToFit;
    int textFitWidth = 0;

    // Nothing to paint: the data is not OK, or a module rounds to no pixel at
    // this resolution.
    bool isEmpty() const { return bars.empty(); }
};

BarCodeLayout layOutBarCode(const BarCodeEncoding& encoding, const BarCodeLayoutOptions& options);
