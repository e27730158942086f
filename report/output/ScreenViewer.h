#pragma once

#include "TppTypes.h"

#include <QColor>
#include <QRect>
#include <QSize>

class TppProducer;

// What the screen device needs of the viewer that shows its pages. The
// viewer is a widget, a layer above; the device renders into an image and
// tells the viewer when there is something new to put on the screen.
class ScreenViewer {
public:
    virtual ~ScreenViewer() = default;

    virtual TppProducer* Report() const = 0;
    virtual TppZoomSettingType ZoomSetting() const = 0;
    virtual int ZoomPercentage() const = 0;
    virtual QColor PageColor() const = 0;
    // The part of the viewer pages are shown in, in its own (logical) pixels.
    virtual QSize VisibleArea() const = 0;
    // The screen's pixels for each of the viewer's: the page bitmap holds
    // that many, so that a high-resolution screen shows the page sharp.
    virtual qreal DevicePixelRatio() const { return 1; }
    // Whether the viewer's window exists yet (it is made on first need).
    virtual bool HasWindow() const = 0;
    // False while the viewer sits in a designer that previews nothing.
    virtual bool ShowsPages() const { return true; }

    // The device's status text changed.
    virtual void StatusChanged() = 0;
    // A new page is in the bitmap: scroll ranges, repaint, page-change event.
    virtual void PageShown() = 0;
    // The bitmap was made anew without a page (the device was reset).
    virtual void BitmapReset() = 0;
    // Copies one box of the bitmap onto the screen at once.
    virtual void CopyToScreen(const QRect& box) = 0;
    // Lets the window system handle what is pending (a cancel, a repaint).
    virtual void ProcessPendingMessages() = 0;
    // The publisher the device was attached to is gone with its report.
    virtual void ReportGone() = 0;
};
