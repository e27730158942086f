#include "TppPrintable.h"

#include "CacheRecord.h"
#include "ClassBuilder.h"
#include "TppDataPipeline.h"
#include "TppEventKind.h"
#include "Units.h"

const ClassInfo& TppPrintable::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppPrintable>("TppPrintable", &TppCacheable::staticClassInfo(), [](auto& c) {
            c.property("UserName", &TppPrintable::UserName, &TppPrintable::SetUserName);
            c.property("Visible", &TppPrintable::Visible, &TppPrintable::SetVisible).withDefault(true);
            c.property("Left", &TppPrintable::Left, &TppPrintable::SetLeft).notStored();
            c.property("Top", &TppPrintable::Top, &TppPrintable::SetTop).notStored();
            c.property("Width", &TppPrintable::Width, &TppPrintable::SetWidth).notStored();
            c.property("Height", &TppPrintable::Height, &TppPrintable::SetHeight).notStored();
            c.property("ReprintOnOverFlow", &TppPrintable::ReprintOnOverFlow,
                       &TppPrintable::SetReprintOnOverFlow)
                .withDefault(false);
            c.property("ShiftWithParent", &TppPrintable::ShiftWithParent, &TppPrintable::SetShiftWithParent)
                .withDefault(false);
            c.property("StretchWithParent", &TppPrintable::StretchWithParent,
                       &TppPrintable::SetStretchWithParent)
                .withDefault(false);
            c.event("OnDrawCommandClick", &TppPrintable::OnDrawCommandClick);
            c.event("OnPrint", &TppPrintable::OnPrint);
            c.event("OnDrawCommandCreate", &TppPrintable::OnDrawCommandCreate);
            c.defined(
                 "DataPipelineName", PropertyKind::String,
                 [](const TppPrintable& p) { return p.pipeline_ ? p.pipeline_->Name() : QString(); },
                 [](TppPrintable& p, const QVariant& v) { p.pendingPipelineName_.set(v.toString()); })
                .writtenWhen([](const TppPrintable& p) { return p.pipeline_ != nullptr; });
            c.defined("mmHeight", PropertyKind::Integer, &TppPrintable::mmHeight,
                      [](TppPrintable& p, const QVariant& v) { p.SetmmHeight(v.toInt()); });
            c.defined("mmLeft", PropertyKind::Integer, &TppPrintable::mmLeft,
                      [](TppPrintable& p, const QVariant& v) { p.SetmmLeft(v.toInt()); });
            c.defined("mmTop", PropertyKind::Integer, &TppPrintable::mmTop,
                      [](TppPrintable& p, const QVariant& v) { p.SetmmTop(v.toInt()); });
            c.defined("mmWidth", PropertyKind::Integer, &TppPrintable::mmWidth,
                      [](TppPrintable& p, const QVariant& v) { p.SetmmWidth(v.toInt()); });
            // What older layouts stored here is no longer a setting.
            for (const char* ignored :
                 {"DataSource", "OnFormatText", "Region", "ReportField", "ParentDataSource", "Alignment"})
                c.defined(ignored, PropertyKind::Integer, nullptr, [](TppPrintable&, const QVariant&) {});
        });
    return info;
}

TppPrintable::TppPrintable(OwnedComponent* owner) : TppCacheable(owner) {}

TppPrintable::~TppPrintable() {
    markDestroying();
}

void TppPrintable::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    Change();
}

void TppPrintable::storeBox(int left, int top, int width, int height) {
    box_ = {left, top, width, height};
    BoundsChanged();
}

void TppPrintable::SetmmLeft(int value) {
    SetBounds(value, box_.top, box_.width, box_.height);
}
void TppPrintable::SetmmTop(int value) {
    SetBounds(box_.left, value, box_.width, box_.height);
}
void TppPrintable::SetmmWidth(int value) {
    SetBounds(box_.left, box_.top, value, box_.height);
}
void TppPrintable::SetmmHeight(int value) {
    SetBounds(box_.left, box_.top, box_.width, value);
}

void TppPrintable::SetBounds(int left, int top, int width, int height) {
    storeBox(left, top, std::max(width, 0), std::max(height, 0));
    Change();
}

float TppPrintable::Left() const {
    return UnitsFromMM(box_.left, units_, Axis::Horizontal);
}
float TppPrintable::Top() const {
    return UnitsFromMM(box_.top, units_, Axis::Vertical);
}
float TppPrintable::Width() const {
    return UnitsFromMM(box_.width, units_, Axis::Horizontal);
}
float TppPrintable::Height() const {
    return UnitsFromMM(box_.height, units_, Axis::Vertical);
}
void TppPrintable::SetLeft(float value) {
    SetmmLeft(UnitsToMM(value, units_, Axis::Horizontal));
}
void TppPrintable::SetTop(float value) {
    SetmmTop(UnitsToMM(value, units_, Axis::Vertical));
}
void TppPrintable::SetWidth(float value) {
    SetmmWidth(UnitsToMM(value, units_, Axis::Horizontal));
}
void TppPrintable::SetHeight(float value) {
    SetmmHeight(UnitsToMM(value, units_, Axis::Vertical));
}

void TppPrintable::SetDataPipeline(TppDataPipeline* pipeline) {
    if (pipeline == pipeline_)
        return;
    if (pipeline_)
        UnlinkFrom(pipeline_);
    pipeline_ = pipeline;
    if (pipeline_)
        LinkTo(pipeline_);
    Change();
}

void TppPrintable::Notify(TppCommunicator* sender, int operation) {
    TppCacheable::Notify(sender, operation);
    if (operation == ppopRemove && sender == pipeline_)
        pipeline_ = nullptr;
}

void TppPrintable::Loaded() {
    TppCacheable::Loaded();
    if (TppDataPipeline* named = pendingPipelineName_.take(Owner()))
        SetDataPipeline(named);
}

void TppPrintable::SetReprintOnOverFlow(bool value) {
    if (value == reprintOnOverFlow_)
        return;
    reprintOnOverFlow_ = value;
    Change();
}

void TppPrintable::SetShiftWithParent(bool value) {
    if (value == shiftWithParent_)
        return;
    shiftWithParent_ = value;
    if (value)
        SetStretchWithParent(false);
    Change();
}

void TppPrintable::SetStretchWithParent(bool value) {
    if (value == stretchWithParent_)
        return;
    stretchWithParent_ = value;
    if (value)
        SetShiftWithParent(false);
    Change();
}

void TppPrintable::InitForReport() {
    OverFlow = false;
}

void TppPrintable::CacheFields(CacheRecord& record) {
    TppCacheable::CacheFields(record);
    record.field(DrawComponent);
}

void TppPrintable::ResetForBand() {
    GenerationComplete = false;
    SpaceUsed = 0;
    OutOfSpace = false;
}

// A printable that places nothing completes at once; the component classes
// place themselves.
void TppPrintable::Generate() {
    GenerationComplete = true;
}

void TppPrintable::MarkForReprint() {
    if (Visible())
        DrawComponent = true;
}

void TppPrintable::FinishBandPass() {
    if (GenerationComplete)
        DrawComponent = false;
}

void TppPrintable::DrawOnPage(TppPage& page) {
    if (DrawComponent && Visible())
        CreateDrawCommand(page);
}

void TppPrintable::DoOnPrint() {
    OnPrint(this);
    BroadcastEvent(this, ciPrintableOnPrint);
}
