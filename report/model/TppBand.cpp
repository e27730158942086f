#include "TppBand.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TppComponent.h"
#include "TppReportModel.h"
#include "TppResourceManager.h"
#include "Units.h"

const ClassInfo& TppBand::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppBand>("TppBand", &TppCacheable::staticClassInfo(), [](auto& c) {
            c.property("Height", &TppBand::Height, &TppBand::SetHeight).notStored();
            c.property("PrintHeight", &TppBand::PrintHeight, &TppBand::SetPrintHeight)
                .names(enumerationNames("TppPrintHeightType"))
                .withDefault(phStatic);
            c.property("Save", &TppBand::Save, &TppBand::SetSave).withDefault(false);
            c.property("Visible", &TppBand::Visible, &TppBand::SetVisible).withDefault(true);
            c.event("BeforePrint", &TppBand::BeforePrint);
            c.event("AfterPrint", &TppBand::AfterPrint);
            c.event("BeforeGenerate", &TppBand::BeforeGenerate);
            c.event("AfterGenerate", &TppBand::AfterGenerate);
            c.defined("mmBottomOffset", PropertyKind::Integer, &TppBand::mmBottomOffset,
                      [](TppBand& b, const QVariant& v) { b.SetmmBottomOffset(v.toInt()); });
            c.defined("mmHeight", PropertyKind::Integer, &TppBand::mmHeight,
                      [](TppBand& b, const QVariant& v) { b.SetmmHeight(v.toInt()); });
            c.defined("mmPrintPosition", PropertyKind::Integer, &TppBand::mmPrintPosition,
                      [](TppBand& b, const QVariant& v) { b.SetmmPrintPosition(v.toInt()); });
            // Read from older templates: the handler name is converted after
            // loading, the others were never used.
            c.defined("OnPrint", PropertyKind::Event, nullptr,
                      [](TppBand& b, const QVariant& v) { b.legacyOnPrint_ = v.toString(); });
            for (const char* ignored : {"OnSaveLineEnd", "OnSaveLineStart", "Left", "Top"})
                c.defined(ignored, PropertyKind::Integer, nullptr, [](TppBand&, const QVariant&) {});
        });
    return info;
}

QString sortKeyNumber(int number) {
    return QStringLiteral("%1").arg(number, 8);
}

TppBand::TppBand(OwnedComponent* owner) : TppCacheable(owner) {}

TppBand::~TppBand() {
    markDestroying();
    // Components leave the object list as they go, so the list must still exist.
    FreeChildren();
    while (!Objects().isEmpty())
        Objects().last()->SetBand(nullptr);
    SetReport(nullptr);
}

void TppBand::joinReport(TppReportModel* report, bool asChild) {
    if (report == report_)
        return;
    if (report_)
        report_->RemoveBand(this);
    report_ = report;
    if (asChild)
        SetParent(report);
    if (report_) {
        units_ = report_->Units();
        report_->AddBand(this);
    }
}

void TppBand::SetReport(TppReportModel* report) {
    joinReport(report, true);
}

bool TppBand::SetParentComponent(OwnedComponent* parent) {
    auto* report = dynamic_cast<TppReportModel*>(parent);
    if (!report)
        return false;
    SetReport(report);
    return true;
}

TppDataPipeline* TppBand::DataPipeline() const {
    return report_ ? report_->DataPipeline() : nullptr;
}

void TppBand::warn(int languageString) const {
    if (report_)
        report_->Warn(LanguageString(languageString));
}

void TppBand::SetmmHeight(int value) {
    if (isLoading()) {
        height_ = value;
        return;
    }
    if (value <= 0 && ObjectCount() > 0) {
        warn(kMsgEmptyBandHasComponents);
        return;
    }
    const int printable = report_ ? report_->PageDef().printableHeight() : 0;
    if (report_ && printHeight_ == phStatic && printable > 0 && value > printable) {
        warn(kMsgBandHigherThanPage);
        return;
    }
    height_ = std::max(value, 0);
    for (TppComponent* component : Objects())
        if (component->mmBottom() > height_)
            component->SetmmTop(component->mmHeight() > height_ ? 0 : height_ - component->mmHeight());
    Change();
}

float TppBand::Height() const {
    return UnitsFromMM(height_, units_, Axis::Vertical);
}
void TppBand::SetHeight(float value) {
    SetmmHeight(UnitsToMM(value, units_, Axis::Vertical));
}

void TppBand::SetmmBottomOffset(int value) {
    bottomOffset_ = value;
    Change();
}

void TppBand::SetmmPrintPosition(int value) {
    printPosition_ = value;
    Change();
}

void TppBand::SetPrintHeight(TppPrintHeightType value) {
    printHeight_ = value;
    Change();
}

void TppBand::SetVisible(bool value) {
    visible_ = value;
    Change();
}

void TppBand::SetSave(bool value) {
    save_ = value;
    Change();
}

void TppBand::SetUnits(TppUnitType units) {
    units_ = units;
    for (TppComponent* component : Objects())
        component->SetUnits(units);
}

QRect TppBand::HolderRect() const {
    const int width = report_ ? report_->PageDef().printableWidth() : 0;
    return QRect(0, 0, width, height_);
}

void TppBand::AddObject(TppComponent* component) {
    TppComponentHolder::AddObject(component);
    if (component->Owner() != Owner())
        component->ChangeOwner(Owner());
    if (component->Save() && !saves_.contains(component))
        saves_.append(component);
    if (component->inheritsFrom(QStringLiteral("TppVariable")) && !variables_.contains(component))
        variables_.append(component);
    if (isLoading())
        return;
    if (component->CanGrow() && printHeight_ == phStatic)
        printHeight_ = phDynamic;
    if (component->UserName().isEmpty())
        component->SetUserName(component->ValidUserNameFor(component));
}

void TppBand::RemoveObject(TppComponent* component) {
    TppComponentHolder::RemoveObject(component);
    if (MaxStretchable == component)
        MaxStretchable = nullptr;
    saves_.removeOne(component);
    variables_.removeOne(component);
}

void TppBand::OrderVariables(const QList<int>& calculationOrder) {
    const int count = int(variables_.size());
    QList<TppComponent*> placed(count, nullptr);
    for (int i = 0; i < count && i < calculationOrder.size(); ++i) {
        const int order = calculationOrder[i];
        if (order >= 0 && order < count && !placed[order])
            placed[order] = variables_[i];
    }
    for (int index = 0; index < count; ++index) {
        if (!placed[index])
            continue;
        variables_.removeOne(placed[index]);
        variables_.insert(index, placed[index]);
    }
}

void TppBand::DoBeforeGenerate() {
    BeforeGenerate(this);
    BroadcastEvent(this, ciBandBeforeGenerate);
}

void TppBand::DoAfterGenerate() {
    AfterGenerate(this);
    BroadcastEvent(this, ciBandAfterGenerate);
}

void TppBand::DoBeforePrint() {
    BeforePrint(this);
    BroadcastEvent(this, ciBandBeforePrint);
}

void TppBand::DoAfterPrint() {
    AfterPrint(this);
    BroadcastEvent(this, ciBandAfterPrint);
}

void TppBand::ConvertLegacy(int versionNumber) {
    if (versionNumber < 1270 && !legacyOnPrint_.isEmpty())
        BeforePrint.methodName = legacyOnPrint_;
    // Before 2097 heights were stored in screen pixels.
    if (versionNumber < 2097)
        height_ = UnitsToMM(float(height_), utScreenPixels, Axis::Vertical);
    if (versionNumber < 3000 && printHeight_ == phDynamic && ObjectCount() > 0) {
        int lowest = 0;
        for (const TppComponent* component : Objects())
            lowest = std::max(lowest, component->mmBottom());
        // A component that reaches below the band would give a negative offset, which would pull
        // the next band up over this one.
        bottomOffset_ = std::max(0, height_ - lowest);
    }
}
