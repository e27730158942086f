#pragma once

// A component's place on the page while it generates: four edges in
// thousandths of a millimetre. Right and Bottom are edges, not the last
// unit inside (unlike QRect), so Bottom - Top is the height.
struct TppPrintRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TppPrintRect&, const TppPrintRect&) = default;
};
