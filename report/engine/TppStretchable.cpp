#include "TppStretchable.h"

#include "CacheRecord.h"
#include "ClassBuilder.h"
#include "ComponentPlacement.h"
#include "PagewrightErrors.h"
#include "PrintableDrawing.h"
#include "TppBand.h"
#include "TppPrintParent.h"
#include "TppReportModel.h"
#include "TppResourceManager.h"
#include "Units.h"

#include <algorithm>

const ClassInfo& TppStretchable::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppStretchable>("TppStretchable", &TppComponent::staticClassInfo(), [](auto& c) {
            c.property("KeepTogether", &TppStretchable::KeepTogether, &TppStretchable::SetKeepTogether)
                .withDefault(false);
            c.reference("ShiftRelativeTo", &TppStretchable::ShiftRelativeTo,
                        &TppStretchable::SetShiftRelativeTo);
            c.property("Stretch", &TppStretchable::Stretch, &TppStretchable::SetStretch).withDefault(false);
            c.property("BottomOffset", &TppStretchable::BottomOffset, &TppStretchable::SetBottomOffset)
                .notStored();
            c.property("OverFlowOffset", &TppStretchable::OverFlowOffset, &TppStretchable::SetOverFlowOffset)
                .notStored();
            c.property("StopPosition", &TppStretchable::StopPosition, &TppStretchable::SetStopPosition)
                .notStored();
            c.defined("mmBottomOffset", PropertyKind::Integer, &TppStretchable::mmBottomOffset,
                      [](TppStretchable& s, const QVariant& v) { s.SetmmBottomOffset(v.toInt()); })
                .writtenWhen([](const TppStretchable& s) { return s.bottomOffset_ != 0; });
            c.defined("mmOverFlowOffset", PropertyKind::Integer, &TppStretchable::mmOverFlowOffset,
                      [](TppStretchable& s, const QVariant& v) { s.SetmmOverFlowOffset(v.toInt()); })
                .writtenWhen([](const TppStretchable& s) { return s.overFlowOffset_ != 0; });
            c.defined("mmStopPosition", PropertyKind::Integer, &TppStretchable::mmStopPosition,
                      [](TppStretchable& s, const QVariant& v) { s.SetmmStopPosition(v.toInt()); })
                .writtenWhen([](const TppStretchable& s) { return s.stopPosition_ != 0; });
        });
    return info;
}

TppStretchable::TppStretchable(OwnedComponent* owner) : TppComponent(owner) {}

TppStretchable::~TppStretchable() {
    markDestroying();
    detachFromTarget();
    for (TppStretchable* shifter : shifters_)
        shifter->shiftRelativeTo_ = nullptr;
}

void TppStretchable::SetStretch(bool value) {
    if (value == stretch_ || (!value && !shifters_.isEmpty() && !isLoading()))
        return;
    stretch_ = value;
    if (value && !isLoading()) {
        TppComponent::SetReprintOnOverFlow(false);
        TppComponent::SetShiftWithParent(false);
        TppComponent::SetStretchWithParent(false);
        makeParentDynamic();
    }
    Change();
}

void TppStretchable::makeParentDynamic() {
    auto* region = dynamic_cast<TppStretchable*>(Region());
    if (region && !region->Stretch())
        region->SetStretch(true);
    else if (Band() && Band()->PrintHeight() == phStatic)
        Band()->SetPrintHeight(phDynamic);
}

bool TppStretchable::isStaleTarget(const TppStretchable* target) const {
    return target && !isLoading() && target->Band() != Band();
}

TppStretchable* TppStretchable::ShiftRelativeTo() const {
    // A target that moved to another band (or left it) is dropped on sight,
    // so neither the template nor the generation follows it there.
    if (isStaleTarget(shiftRelativeTo_))
        const_cast<TppStretchable*>(this)->detachFromTarget();
    return shiftRelativeTo_;
}

void TppStretchable::SetShiftRelativeTo(TppStretchable* target) {
    if (target == shiftRelativeTo_)
        return;
    for (const TppStretchable* link = target; link; link = link->shiftRelativeTo_) {
        if (link != this)
            continue;
        // A cycle would have each stretchable wait for the other for ever.
        // A damaged template loads without it rather than not at all.
        if (isLoading())
            return;
        throw EInvalidPropertyError(LanguageString(kMsgCyclicShiftRelativeTo));
    }
    detachFromTarget();
    shiftRelativeTo_ = target;
    if (target) {
        target->shifters_.append(this);
        LinkTo(target);
        if (!isLoading()) {
            target->SetStretch(true);
            TppComponent::SetReprintOnOverFlow(false);
            TppComponent::SetShiftWithParent(false);
            TppComponent::SetStretchWithParent(false);
        }
    }
    Change();
}

void TppStretchable::detachFromTarget() {
    if (!shiftRelativeTo_)
        return;
    shiftRelativeTo_->shifters_.removeOne(this);
    UnlinkFrom(shiftRelativeTo_);
    shiftRelativeTo_ = nullptr;
}

void TppStretchable::SetReprintOnOverFlow(bool value) {
    TppComponent::SetReprintOnOverFlow(value);
    if (value && !isLoading()) {
        SetShiftRelativeTo(nullptr);
        SetStretch(false);
    }
}

void TppStretchable::SetShiftWithParent(bool value) {
    TppComponent::SetShiftWithParent(value);
    if (value && !isLoading()) {
        SetShiftRelativeTo(nullptr);
        SetStretch(false);
    }
}

void TppStretchable::SetStretchWithParent(bool value) {
    TppComponent::SetStretchWithParent(value);
    if (value && !isLoading()) {
        SetShiftRelativeTo(nullptr);
        SetStretch(false);
    }
}

void TppStretchable::SetKeepTogether(bool value) {
    keepTogether_ = value;
    Change();
}

void TppStretchable::SetmmBottomOffset(int value) {
    bottomOffset_ = value;
    Change();
}

void TppStretchable::SetmmOverFlowOffset(int value) {
    overFlowOffset_ = value;
    Change();
}

void TppStretchable::SetmmStopPosition(int value) {
    stopPosition_ = value;
    Change();
}

float TppStretchable::BottomOffset() const {
    return UnitsFromMM(bottomOffset_, Units(), Axis::Vertical);
}
void TppStretchable::SetBottomOffset(float value) {
    SetmmBottomOffset(UnitsToMM(value, Units(), Axis::Vertical));
}
float TppStretchable::OverFlowOffset() const {
    return UnitsFromMM(overFlowOffset_, Units(), Axis::Vertical);
}
void TppStretchable::SetOverFlowOffset(float value) {
    SetmmOverFlowOffset(UnitsToMM(value, Units(), Axis::Vertical));
}
float TppStretchable::StopPosition() const {
    return UnitsFromMM(stopPosition_, Units(), Axis::Vertical);
}
void TppStretchable::SetStopPosition(float value) {
    SetmmStopPosition(UnitsToMM(value, Units(), Axis::Vertical));
}

bool TppStretchable::StretchingMode() const {
    const TppPrintParent* parent = PrintParent();
    return (stretch_ && parent && parent->ParentIsDynamic()) || stopPosition_ != 0;
}

bool TppStretchable::KeepTogetherApplies() const {
    if (!keepTogether_ || KeptTogether)
        return false;
    if (const TppStretchable* target = ShiftRelativeTo()) {
        int used = 0;
        for (const TppStretchable* link = target; link; link = link->ShiftRelativeTo())
            used += link->SpaceUsed;
        return used != 0;
    }
    TppReportModel* report = Report();
    return (report && report->MainReport()->PageHasContent()) || (Band() && Band()->SpaceUsed != 0);
}

void TppStretchable::InitForReport() {
    TppComponent::InitForReport();
    ShiftersStarted = false;
    KeptTogether = false;
    ShifterIndex = 0;
    PartialAdjustment = 0;
    PartialGeneration = false;
}

void TppStretchable::CacheFields(CacheRecord& record) {
    TppComponent::CacheFields(record);
    record.field(ShiftersStarted);
    record.field(ShifterIndex);
    record.field(OverFlow);
    record.field(PartialGeneration);
    record.field(KeptTogether);
}

void TppStretchable::ResetForBand() {
    TppComponent::ResetForBand();
    AllShiftersComplete = true;
    CurrentPosition = 0;
    PageBottom = 0;
    IncompleteShifterSeen = false;
    ShifterOverFlow = false;
    ShifterDrawQueue.Clear();
}

void TppStretchable::Generate() {
    TppPrintParent* parent = PrintParent();
    if (!parent) {
        GenerationComplete = true;
        return;
    }
    if (ReprintOnOverFlow() && parent->ParentOverFlow())
        MarkForReprint();
    DoOnPrint();
    placeInParent(*parent);
    if (OutOfSpace)
        return;
    if (DrawComponent && !OverFlow && !ShiftersStarted) {
        ShiftersStarted = true;
        for (TppStretchable* shifter : shifters_)
            shifter->DrawComponent = true;
    }
    if (ShiftersStarted) {
        CurrentPosition = PrintRect.Top + SpaceUsed;
        PageBottom += bottomOffset_;
        generateShifters();
        OverFlow = ShifterOverFlow;
        PartialGeneration = !(AllShiftersComplete || OverFlow);
    }
    if (!OverFlow && !PartialGeneration)
        GenerationComplete = true;
}

void TppStretchable::placeInParent(const TppPrintParent& parent) {
    const bool shown = DrawComponent && Visible();
    const bool stretching = StretchingMode();
    const int left = parent.ParentOriginLeft() + (shown ? mmLeft() : 0);
    const TppStretchable* target = ShiftRelativeTo();

    int base = parent.ParentCurrentPosition();
    int limit = parent.ParentPageBottom();
    bool partial = parent.ParentPartialGeneration();
    int top = parent.ParentOriginTop() + mmTop();
    if (target) {
        base = target->CurrentPosition;
        limit = Band()->PageBottom;
        partial = false;
        top = base;
    }
    if (partial)
        top -= parent.ParentPartialAdjustment();
    else if (OverFlow && stopPosition_ == 0)
        top = base + (target ? 0 : overFlowOffset_);
    else if (ShiftWithParent() && !target)
        top = shiftedTop(*this, top, parentGrowth(parent));

    CurrentPosition = top;
    PageBottom = (stopPosition_ != 0 && stopPosition_ < limit ? stopPosition_ : limit) - bottomOffset_;

    int height = 0;
    if (shown) {
        height = stretching ? 0 : mmHeight();
        if (StretchWithParent())
            height = stretchedHeight(top, height, parent.ParentCurrentPosition(), PageBottom);
    }
    PrintRect = {left, top, left + mmWidth(), stretching ? PageBottom : top + height};
    if (shown) {
        height = heightThatFits(*this, parent, top, height, PageBottom);
        if (height < 0) {
            OutOfSpace = true;
            return;
        }
        if (!stretching)
            SpaceUsed = height;
        MeasureContent();
    }
    PrintRect.Bottom = top + SpaceUsed;
    if (shown && SpaceUsed > 0)
        SpaceUsed += bottomOffset_;
}

void TppStretchable::generateShifters() {
    int lowest = CurrentPosition;
    for (int index = ShifterIndex; index < shifters_.size(); ++index) {
        TppStretchable* shifter = shifters_[index];
        shifter->Generate();
        if (shifter->SpaceUsed > 0) {
            ShifterDrawQueue.Add(shifter);
            lowest = std::max(lowest, shifter->PrintRect.Top + shifter->SpaceUsed);
        }
        if (!shifter->GenerationComplete) {
            if (!IncompleteShifterSeen) {
                IncompleteShifterSeen = true;
                ShifterIndex = index;
                ShifterOverFlow = shifter->Stretch();
            }
            PartialAdjustment = std::min(PartialAdjustment, shifter->mmTop());
            AllShiftersComplete = false;
        }
        processMessages();
        TppReportModel* report = Report();
        if (report && report->MainReport()->GenerationStopped())
            break;
    }
    if (lowest > CurrentPosition) {
        CurrentPosition = lowest;
        SpaceUsed = lowest - PrintRect.Top;
    }
}

void TppStretchable::FinishBandPass() {
    TppComponent::FinishBandPass();
    if (GenerationComplete)
        KeptTogether = false;
    if (DrawComponent && ShiftersStarted)
        DrawComponent = false;
    if (ShiftersStarted && !OverFlow && !PartialGeneration)
        ShiftersStarted = false;
    if (AllShiftersComplete)
        ShifterIndex = 0;
}

void TppStretchable::DrawOnPage(TppPage& page) {
    TppComponent::DrawOnPage(page);
    DrawShifters(page);
}

void TppStretchable::DrawShifters(TppPage& page) {
    bool first = true;
    for (TppPrintable* shifter : ShifterDrawQueue.Sorted()) {
        if (!first)
            processMessages();
        first = false;
        shifter->DrawOnPage(page);
    }
}

void TppStretchable::processMessages() const {
    if (TppReportModel* report = Report())
        report->MainReport()->ProcessMessages();
}

void TppStretchable::CreateDrawCommand(TppPage& page) {
    createDrawCommand(*this, page);
}

void TppStretchable::PropertiesToDrawCommand(TppDrawCommand& command) {
    copyComponentProperties(*this, command);
}

void TppStretchable::DrawCommandClick(TppDrawCommand& command) {
    fireDrawCommandClick(*this, command);
}

void TppStretchable::Notify(TppCommunicator* sender, int operation) {
    TppComponent::Notify(sender, operation);
    if (operation != ppopRemove)
        return;
    if (sender == shiftRelativeTo_)
        shiftRelativeTo_ = nullptr;
    shifters_.removeIf([sender](const TppStretchable* shifter) { return shifter == sender; });
}
