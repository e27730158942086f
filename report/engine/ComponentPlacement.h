#pragma once

class TppComponent;
class TppPrintParent;
class TppPrintable;

// The placement rules fixed-size components and stretchables share. All
// lengths are page positions in thousandths of a millimetre.

// How far the parent has grown beyond its design height in this pass, and
// the stretchable that reached lowest; both only once the parent used space.
struct ParentGrowth {
    int growth = 0;
    TppPrintable* maxStretchable = nullptr;
};
ParentGrowth parentGrowth(const TppPrintParent& parent);

// ShiftWithParent: keep the design distance below the lowest stretchable,
// or move down by the parent's growth when there is none.
int shiftedTop(const TppComponent& component, int top, const ParentGrowth& grown);

// StretchWithParent: reach the parent's lowest content, never past the page bottom.
int stretchedHeight(int top, int height, int parentCurrentPosition, int pageBottom);

// A box that cannot fit below the page bottom is tried again on the next
// page, unless nothing else is on this page and the body of an empty page
// could not hold it either: then the next page would be no better, so the
// component is placed, cut at the page bottom, and the report goes on. Returns the height to place, or -1 for
// "out of space".
int heightThatFits(const TppComponent& component, const TppPrintParent& parent, int top, int height,
                   int pageBottom);
