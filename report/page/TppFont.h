#pragma once

#include "Persistent.h"

#include <QFont>

// A font as reports store it: name, size in points, style bits, colour
// (0x00BBGGRR), character set and pitch. Height is the size as negative
// screen pixels at 96 per inch, the form templates have always written.
class TppFont : public Persistent {
public:
    PW_CLASS_INFO

    enum Style : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
    enum Pitch : int { fpDefault, fpVariable, fpFixed };

    QString name = QStringLiteral("Arial");
    int size = 10;
    unsigned style = 0;
    int color = 0;
    int charset = 1;
    Pitch pitch = fpDefault;

    int Height() const;
    void SetHeight(int height);

    // The Qt font at a device resolution: the pixel size follows the
    // vertical resolution, so text keeps its point size on every device.
    QFont toQFont(int verticalPixelsPerInch) const;

    // The stored fields; the Persistent base holds nothing to compare.
    friend bool operator==(const TppFont& a, const TppFont& b) {
        return a.name == b.name && a.size == b.size && a.style == b.style && a.color == b.color &&
               a.charset == b.charset && a.pitch == b.pitch;
    }
};
