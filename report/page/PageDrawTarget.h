#pragma once

class TppDrawCommand;

// What a draw command needs of whatever renders it. Commands dispatch on
// their own class (a rich text or a barcode draws only on raster targets),
// so the page document reaches devices through this and nothing more.
class PageDrawTarget {
public:
    virtual ~PageDrawTarget() = default;
    // Screen and printer draw rich text and barcodes; files do not.
    virtual bool IsRasterDevice() const = 0;
    // Renders one command; false when the target does not draw its kind.
    virtual bool DrawCommand(TppDrawCommand& command) = 0;
    // Draws a command again whose text changed after the page was drawn.
    virtual bool RedrawCommand(TppDrawCommand& command) = 0;
};
