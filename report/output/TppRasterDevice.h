#pragma once

#include "DrawSurface.h"
#include "TppDevice.h"

// A device that paints pages with a painter at a resolution: the base of
// the screen, printer and image devices. While a page is painted, each
// command's device box is computed and the renderer of its class draws it;
// kinds without a renderer are skipped.
class TppRasterDevice : public TppDevice {
public:
    PW_CLASS_INFO
    using TppDevice::TppDevice;

    bool IsRasterDevice() const override { return true; }
    bool DrawCommand(TppDrawCommand& command) override;
    bool RedrawCommand(TppDrawCommand& command) override { return DrawCommand(command); }

    // Paints the page's background and its commands onto the surface.
    void PaintPage(TppPage& page, DrawSurface& surface);

protected:
    // Where the paper's corner lies in the device's pixels: a printer's
    // pixels start at its printable area.
    virtual QPoint DeviceOrigin() const { return {}; }

private:
    DrawSurface* surface_ = nullptr;
};
