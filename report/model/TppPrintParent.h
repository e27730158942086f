#pragma once

class TppPrintable;

// What a component reads from the band or region it prints in while that
// parent makes a pass over the current page. Positions are page positions
// in thousandths of a millimetre. The names carry "Parent" because a region
// is itself a printable with state of the same names.
class TppPrintParent {
public:
    virtual ~TppPrintParent() = default;

    // The page position of the band's corner: design positions (mmLeft,
    // mmTop) are band-relative, also inside a region.
    virtual int ParentOriginLeft() const = 0;
    virtual int ParentOriginTop() const = 0;
    virtual int ParentCurrentPosition() const = 0;
    virtual int ParentPageBottom() const = 0;
    virtual int ParentSpaceUsed() const = 0;
    virtual int ParentDesignHeight() const = 0;
    // The parent is printing a continuation of an earlier page.
    virtual bool ParentOverFlow() const = 0;
    virtual bool ParentPartialGeneration() const = 0;
    virtual int ParentPartialAdjustment() const = 0;
    // The stretchable that reached lowest in this pass.
    virtual TppPrintable* ParentMaxStretchable() const = 0;
    // The parent grows with its content.
    virtual bool ParentIsDynamic() const = 0;
};
