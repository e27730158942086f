#include "DrawSurface.h"

int DrawSurface::fromScreenPixels(int pixels, Axis axis) const {
    return int(roundHalfEven((long double)pixels * pixelsPerInch(axis) / screenResolution().pixelsPerInch(axis)));
}
