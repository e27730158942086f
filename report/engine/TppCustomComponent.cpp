#include "TppCustomComponent.h"

#include "ClassBuilder.h"
#include "ComponentPlacement.h"
#include "PrintableDrawing.h"
#include "TppPrintParent.h"

const ClassInfo& TppCustomComponent::staticClassInfo() {
    static const ClassInfo info = describeClass<TppCustomComponent>(
        "TppCustomComponent", &TppComponent::staticClassInfo(), [](auto& c) {
            // The band was the only parent older layouts knew.
            c.defined("ShiftWithBand", PropertyKind::Boolean, nullptr,
                      [](TppCustomComponent& t, const QVariant& v) { t.SetShiftWithParent(v.toBool()); });
            c.defined("StretchWithBand", PropertyKind::Boolean, nullptr,
                      [](TppCustomComponent& t, const QVariant& v) { t.SetStretchWithParent(v.toBool()); });
        });
    return info;
}

TppCustomComponent::TppCustomComponent(OwnedComponent* owner) : TppComponent(owner) {}

TppCustomComponent::~TppCustomComponent() {
    markDestroying();
}

void TppCustomComponent::Generate() {
    TppPrintParent* parent = PrintParent();
    if (ReprintOnOverFlow() && parent && parent->ParentOverFlow())
        MarkForReprint();
    const bool shownBefore = Visible() || DrawComponent;
    DoOnPrint();
    if (!shownBefore && Visible())
        DrawComponent = true;
    if (DrawComponent && Visible() && parent) {
        placeInParent(*parent);
        if (OutOfSpace)
            return;
    }
    GenerationComplete = true;
}

void TppCustomComponent::placeInParent(const TppPrintParent& parent) {
    const int left = parent.ParentOriginLeft() + mmLeft();
    int top = parent.ParentOriginTop() + mmTop();
    int height = mmHeight();
    const ParentGrowth grown = parentGrowth(parent);
    if (parent.ParentPartialGeneration())
        top -= parent.ParentPartialAdjustment();
    if (ShiftWithParent())
        top = shiftedTop(*this, top, grown);
    if (StretchWithParent())
        height = stretchedHeight(top, height, parent.ParentCurrentPosition(), parent.ParentPageBottom());
    // A static parent prints only when its whole height fits, so only a
    // growing one can leave a component without room.
    if (parent.ParentIsDynamic()) {
        height = heightThatFits(*this, parent, top, height, parent.ParentPageBottom());
        if (height < 0) {
            OutOfSpace = true;
            return;
        }
    }
    PrintRect = {left, top, left + mmWidth(), top + height};
    SpaceUsed = height;
    MeasureContent();
    PrintRect.Bottom = top + SpaceUsed;
}

void TppCustomComponent::CreateDrawCommand(TppPage& page) {
    createDrawCommand(*this, page);
}

void TppCustomComponent::PropertiesToDrawCommand(TppDrawCommand& command) {
    copyComponentProperties(*this, command);
}

void TppCustomComponent::DrawCommandClick(TppDrawCommand& command) {
    fireDrawCommandClick(*this, command);
}
