#include "DrawSurface.h"

int DrawSurface::fromScreenPixels(int pixels, Axis axis) const {
    return int(
        roundHalfEven((long double)pixels * pixelsPerInch(axis) / screenResolution().pixelsPerInch(axis)));
}

int DrawSurface::zoomed(int pixels, Axis axis) const {
    if (!screenZoom)
        return pixels;
    return int(roundHalfEven(pixels * (axis == Axis::Horizontal ? screenZoom->x : screenZoom->y)));
}
