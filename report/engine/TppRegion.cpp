#include "TppRegion.h"

#include "CacheRecord.h"
#include "ClassBuilder.h"
#include "PenAndBrushChanges.h"
#include "ShapeGeometry.h"
#include "TppBand.h"
#include "TppBandedReport.h"
#include "TppCacheManager.h"
#include "TppDrawShape.h"
#include "TppPage.h"
#include "Units.h"

#include <algorithm>

namespace {

bool isStretching(const TppComponent* component) {
    const auto* stretchable = dynamic_cast<const TppStretchable*>(component);
    return stretchable && stretchable->Stretch();
}

const QString kStaticList = QStringLiteral("1");
const QString kStretchList = QStringLiteral("2");

} // namespace

const ClassInfo& TppRegion::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppRegion>("TppRegion", &TppStretchable::staticClassInfo(), [](auto& c) {
            c.object("Brush", [](TppRegion& r) -> Persistent* { return &r.brush_; });
            c.property("Caption", &TppRegion::Caption, &TppRegion::SetCaption);
            c.property("ParentHeight", &TppRegion::ParentHeight, &TppRegion::SetParentHeight)
                .withDefault(false);
            c.property("ParentWidth", &TppRegion::ParentWidth, &TppRegion::SetParentWidth).withDefault(false);
            c.object("Pen", [](TppRegion& r) -> Persistent* { return &r.pen_; });
            // Follows the brush; stored so that readers without brushes see it.
            c.property("Transparent", &TppRegion::Transparent, &TppRegion::SetTransparent).withDefault(false);
        });
    return info;
}

TppRegion::TppRegion(OwnedComponent* owner) : TppStretchable(owner) {
    storeBox(0, 0, UnitsToMM(150, utScreenPixels, Axis::Horizontal),
             UnitsToMM(50, utScreenPixels, Axis::Vertical));
}

TppRegion::~TppRegion() {
    markDestroying();
    // The children leave the object list while this is still their holder.
    FreeChildren();
}

void TppRegion::SetPen(const TppPen& pen) {
    if (pen == pen_)
        return;
    pen_ = pen;
    Change();
}

void TppRegion::SetBrush(const TppBrush& brush) {
    if (brush == brush_)
        return;
    brush_ = brush;
    Change();
}

void TppRegion::SetTransparent(bool value) {
    TppBrush brush = brush_;
    if (value && brush.style == TppBrush::bsSolid)
        brush.style = TppBrush::bsClear;
    else if (!value && brush.style == TppBrush::bsClear)
        brush.style = TppBrush::bsSolid;
    SetBrush(brush);
}

void TppRegion::SetCaption(const QString& caption) {
    caption_ = caption;
    Change();
}

void TppRegion::SetFillColor(int color) {
    SetBrush(brushFilledWith(brush_, color));
}

void TppRegion::SetNoFill() {
    SetBrush(brushWithoutFill(brush_));
}

void TppRegion::SetLineColor(int color) {
    SetPen(penDrawnIn(pen_, color));
}

void TppRegion::SetNoLine() {
    SetPen(penWithoutLine(pen_));
}

void TppRegion::SetLineWidth(int width) {
    SetPen(penOfWidth(pen_, width));
}

QRect TppRegion::HolderRect() const {
    return QRect(mmLeft(), mmTop(), mmWidth(), mmHeight());
}

const ClassInfo* TppRegion::CommandClass() const {
    return &TppDrawShape::staticClassInfo();
}

void TppRegion::AddObject(TppComponent* component) {
    TppComponentHolder::AddObject(component);
    if (isLoading() || component->isLoading())
        return;
    placeAfterRegion(*component);
    if (isStretching(component) && !Stretch())
        SetStretch(true);
}

// Children draw above their region, so they follow it in the band's order.
void TppRegion::placeAfterRegion(TppComponent& component) {
    TppBand* band = Band();
    if (!band || component.Band() != band)
        return;
    int after = Index();
    for (TppComponent* child : Objects())
        if (child != &component)
            after = std::max(after, child->Index());
    static_cast<TppComponentHolder*>(band)->MoveObject(&component,
                                                       after + 1 - (component.Index() < after ? 1 : 0));
}

void TppRegion::Loaded() {
    TppStretchable::Loaded();
    rememberBox();
}

void TppRegion::rememberBox() {
    savedBox_ = QRect(mmLeft(), mmTop(), mmWidth(), mmHeight());
}

// The children move with the region; parent-sized ones take its new size.
void TppRegion::BoundsChanged() {
    TppStretchable::BoundsChanged();
    const QRect old = savedBox_;
    rememberBox();
    if (isLoading() || isDestroying() || old.isNull())
        return;
    const int dx = mmLeft() - old.x();
    const int dy = mmTop() - old.y();
    const bool resized = mmWidth() != old.width() || mmHeight() != old.height();
    for (TppComponent* child : Objects()) {
        if (dx != 0 || dy != 0)
            child->SetBounds(child->mmLeft() + dx, child->mmTop() + dy, child->mmWidth(), child->mmHeight());
        if (resized) {
            child->SetParentWidth(child->ParentWidth());
            child->SetParentHeight(child->ParentHeight());
        }
    }
}

void TppRegion::InitForReport() {
    TppStretchable::InitForReport();
    // The band initialises every child: they are members of its object list.
    PartialAdjustment = mmHeight();
    const QList<TppComponent*>& objects = Objects();
    for (int index = 0; index < objects.size(); ++index)
        objects[index]->ZOrder = index;
    lists_ = TppComponentPass::buildLists(objects, this);
    resumeListIndex_ = 0;
    resumeObjectIndex_ = 0;
    snapshotCache_.reset();
}

void TppRegion::ResetForBand() {
    TppStretchable::ResetForBand();
    drawQueue_.Clear();
    maxStretchable_ = nullptr;
}

void TppRegion::MarkForReprint() {
    TppStretchable::MarkForReprint();
    for (TppComponent* child : Objects())
        child->DrawComponent = true;
}

void TppRegion::CacheFields(CacheRecord& record) {
    TppStretchable::CacheFields(record);
    record.field(resumeObjectIndex_);
    record.field(resumeListIndex_);
    record.field(PartialAdjustment);
}

TppPage* TppRegion::enginePage() const {
    auto* report = dynamic_cast<TppBandedReport*>(Report());
    TppEngine* engine = report ? report->BandedEngine() : nullptr;
    return engine ? &engine->Page() : nullptr;
}

bool TppRegion::stopped() const {
    TppReportModel* report = Report();
    return report && report->MainReport()->GenerationStopped();
}

void TppRegion::MeasureContent() {
    TppPage* page = enginePage();
    const bool keep = page && KeepTogetherApplies();
    if (keep)
        snapshot(*page);
    generateChildren();
    if (keep && OverFlow)
        rollBack(*page);
    if (KeptTogether && !OverFlow)
        KeptTogether = false;
}

void TppRegion::snapshot(TppPage& page) {
    if (!snapshotPage_)
        snapshotPage_ = std::make_unique<TppPage>();
    snapshotPage_->Assign(page);
    if (!snapshotCache_) {
        snapshotCache_ = std::make_unique<TppCacheManager>();
        QList<TppCacheable*> members;
        for (TppComponent* child : Objects())
            members.append(child);
        snapshotCache_->RebuildWith(members);
    }
    snapshotCache_->SavePage(0);
}

// The children did not fit: the page and the children return to where they
// were, and the region starts whole on the next page.
void TppRegion::rollBack(TppPage& page) {
    snapshotCache_->RestorePage(0);
    page.Assign(*snapshotPage_);
    SpaceUsed = 0;
    KeptTogether = true;
    for (TppComponent* child : Objects()) {
        child->DrawComponent = true;
        child->GenerationComplete = false;
    }
    drawQueue_.Clear();
    resumeListIndex_ = 0;
    resumeObjectIndex_ = 0;
    PartialGeneration = false;
    PartialAdjustment = mmHeight();
}

void TppRegion::generateChildren() {
    maxStretchable_ = nullptr;
    drawQueue_.Clear();
    PassMarks marks;
    marks.partialAdjustment = PartialAdjustment;

    const bool resumesPastStatics =
        !lists_.isEmpty() && lists_.first().key == kStaticList && resumeListIndex_ > 0;
    if (OverFlow && !PartialGeneration && resumesPastStatics)
        generateList(0, 0, marks);

    const int firstList = resumeListIndex_;
    for (int listIndex = firstList; listIndex < lists_.size() && !stopped(); ++listIndex) {
        generateList(listIndex, listIndex == firstList ? resumeObjectIndex_ : 0, marks);
        if (!marks.allComplete && !marks.listRecorded) {
            marks.listRecorded = true;
            resumeListIndex_ = listIndex;
        }
        // Components that follow the region's growth wait for something to grow.
        if (lists_[listIndex].key == kStretchList && SpaceUsed == 0)
            break;
    }

    OverFlow = marks.objectOverFlow;
    PartialGeneration = !(marks.allComplete || OverFlow);
    if (!PartialGeneration)
        PartialAdjustment = mmHeight();
    else
        PartialAdjustment = drawQueue_.IsEmpty() ? 0 : marks.partialAdjustment;
    if (marks.allComplete) {
        resumeListIndex_ = 0;
        resumeObjectIndex_ = 0;
    }
    if (PartialGeneration)
        OverFlow = true;
}

void TppRegion::generateList(int listIndex, int startIndex, PassMarks& marks) {
    const QList<TppComponent*>& children = lists_[listIndex].components;
    const bool growing = Stretch();
    int lowest = CurrentPosition;
    int lowestStretchable = -1;
    for (int index = startIndex; index < children.size(); ++index) {
        TppComponent* child = children[index];
        child->Generate();
        if (child->SpaceUsed > 0)
            drawQueue_.Add(child);
        if (!child->GenerationComplete) {
            if (!marks.objectRecorded) {
                marks.objectRecorded = true;
                resumeObjectIndex_ = index;
                marks.objectOverFlow = isStretching(child);
            }
            marks.partialAdjustment = std::min(marks.partialAdjustment, child->mmTop() - mmTop());
            marks.allComplete = false;
        }
        const bool stretchable = dynamic_cast<TppStretchable*>(child) != nullptr;
        if (stretchable && !maxStretchable_)
            maxStretchable_ = child;
        if (growing && child->SpaceUsed > 0) {
            const int bottom = child->PrintRect.Top + child->SpaceUsed;
            lowest = std::max(lowest, bottom);
            if (stretchable && bottom > lowestStretchable) {
                lowestStretchable = bottom;
                maxStretchable_ = child;
            }
        }
        if (stopped())
            break;
    }
    if (lowest > CurrentPosition) {
        CurrentPosition = lowest;
        SpaceUsed = lowest - PrintRect.Top;
    }
}

// The frame first, then the children above it, then what follows the region.
void TppRegion::DrawOnPage(TppPage& page) {
    if (DrawComponent && Visible())
        CreateDrawCommand(page);
    for (TppPrintable* child : drawQueue_.Sorted())
        child->DrawOnPage(page);
    DrawShifters(page);
}

// The frame runs inside the box, inset by the pen, as a rectangle's does.
void TppRegion::PropertiesToDrawCommand(TppDrawCommand& command) {
    TppStretchable::PropertiesToDrawCommand(command);
    fillShapeCommand(static_cast<TppDrawShape&>(command), stRectangle, PrintRect, pen_, brush_);
}
