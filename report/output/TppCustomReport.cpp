#include "TppCustomReport.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TppColumnFooterBand.h"
#include "TppColumnHeaderBand.h"
#include "TppCustomEngine.h"
#include "TppCustomTemplate.h"
#include "TppDataPipeline.h"
#include "TppGroup.h"

namespace {
constexpr unsigned bit(TppNoDataBehavior b) {
    return 1u << b;
}
} // namespace

const ClassInfo& TppCustomReport::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppCustomReport>("TppCustomReport", &TppProducer::staticClassInfo(), [](auto& c) {
            using R = TppCustomReport;
            c.property("AutoStop", &R::AutoStop, &R::SetAutoStop).withDefault(true);
            c.property(
                "ColumnPositions", [](const R& r) { return r.ColumnPositions; },
                [](R& r, const QStringList& v) { r.ColumnPositions = v; });
            c.property("Columns", &R::Columns, &R::SetColumns).withDefault(1);
            c.property("ColumnWidth", &R::ColumnWidth, &R::SetColumnWidth).notStored();
            c.reference("DataPipeline", &R::DataPipeline, &R::SetDataPipeline);
            c.property("NoDataBehaviors", &R::NoDataBehaviors, &R::SetNoDataBehaviors)
                .names(enumerationNames("TppNoDataBehavior"))
                .withDefault(bit(ndBlankPage));
            c.property("PageLimit", &R::PageLimit, &R::SetPageLimit).withDefault(0);
            c.property("PassSetting", &R::PassSetting, &R::SetPassSetting)
                .names(enumerationNames("TppPassSettingType"))
                .withDefault(psOnePass);
            c.property(
                 "SaveAsTemplate", [](const R& r) { return r.SaveAsTemplate; },
                 [](R& r, bool v) { r.SaveAsTemplate = v; })
                .withDefault(false);
            c.object("Template", [](R& r) -> Persistent* { return r.template_.get(); });
            c.property("Units", &R::Units, &R::SetUnits)
                .names(enumerationNames("TppUnitType"))
                .withDefault(utInches);
            c.event("OnEndColumn", &R::OnEndColumn);
            c.event("OnEndFirstPass", &R::OnEndFirstPass);
            c.event("OnEndPage", &R::OnEndPage);
            c.event("OnEndSecondPass", &R::OnEndSecondPass);
            c.event("OnNoData", &R::OnNoData);
            c.event("OnStartColumn", &R::OnStartColumn);
            c.event("OnStartFirstPass", &R::OnStartFirstPass);
            c.event("OnStartPage", &R::OnStartPage);
            c.event("OnStartSecondPass", &R::OnStartSecondPass);
            c.defined(
                "mmColumnWidth", PropertyKind::Integer, [](const R& r) { return r.columnWidth_; },
                [](R& r, const QVariant& v) { r.columnWidth_ = v.toInt(); });
            c.defined(
                 "DataPipelineName", PropertyKind::String, [](const R& r) { return r.pipelineName(); },
                 [](R& r, const QVariant& v) { r.setPendingPipelineName(v.toString()); })
                .writtenWhen([](const R& r) { return r.DataPipeline() != nullptr; });
            // Older layouts stored these; the report's name and the designer's
            // rulers are not part of a layout now.
            for (const char* ignored : {"UserName", "RulerUnits"})
                c.defined(ignored, PropertyKind::String, nullptr, [](R&, const QVariant&) {});
        });
    return info;
}

TppCustomReport::TppCustomReport(OwnedComponent* owner)
    : TppProducer(owner), template_(CreateReportTemplate(*this)) {}

TppCustomReport::~TppCustomReport() {
    markDestroying();
}

void TppCustomReport::TakeOverLayout(TppCustomReport& other) {
    // As while reading: setters keep their side effects (column bands,
    // pipelines re-pointed) and changes are not counted one by one.
    const bool wasLoading = hasState(Loading);
    setState(Loading, true);
    TakeOverSettings(other);
    columns_ = other.columns_;
    columnWidth_ = other.columnWidth_;
    ColumnPositions = other.ColumnPositions;
    noDataBehaviors_ = other.noDataBehaviors_;
    pageLimit_ = other.pageLimit_;
    passSetting_ = other.passSetting_;
    SaveAsTemplate = other.SaveAsTemplate;
    SetDataPipeline(other.DataPipeline());
    SetAutoStop(other.AutoStop());
    template_->Assign(*other.template_);
    const std::pair<TppNotifyEvent*, const TppNotifyEvent*> events[] = {
        {&OnStartFirstPass, &other.OnStartFirstPass},
        {&OnEndFirstPass, &other.OnEndFirstPass},
        {&OnStartSecondPass, &other.OnStartSecondPass},
        {&OnEndSecondPass, &other.OnEndSecondPass},
        {&OnStartPage, &other.OnStartPage},
        {&OnEndPage, &other.OnEndPage},
        {&OnStartColumn, &other.OnStartColumn},
        {&OnEndColumn, &other.OnEndColumn}};
    for (const auto& [event, from] : events)
        event->TakeOver(*from);
    OnNoData.TakeOver(other.OnNoData);

    while (!children().isEmpty())
        delete children().last();
    // In the other's order, so that the layout is written back as it was read.
    const QList<TppRelative*> adopted = other.children();
    for (TppRelative* child : adopted) {
        if (child->Owner() != Owner())
            child->ChangeOwner(Owner());
        if (auto* band = dynamic_cast<TppBand*>(child))
            band->SetReport(this);
        else if (auto* group = dynamic_cast<TppGroup*>(child))
            group->SetReport(this);
        else
            child->SetParent(this);
    }
    SetUnits(other.Units());
    setState(Loading, wasLoading);
    Change();
}

void TppCustomReport::SetColumns(int columns) {
    const int previous = columns_;
    columns_ = std::max(columns, 1);
    if (!isLoading() && columns_ >= 2) {
        columnWidth_ = PageDef().printableWidth() / columns_;
        // Columns get their header and footer bands when they first appear.
        if (previous == 1 && !isDesigning()) {
            if (!GetBand(btColumnHeader))
                (new TppColumnHeaderBand(Owner()))->SetReport(this);
            if (!GetBand(btColumnFooter))
                (new TppColumnFooterBand(Owner()))->SetReport(this);
        }
    } else if (!isLoading()) {
        columnWidth_ = PageDef().printableWidth();
    }
    Change();
}

float TppCustomReport::ColumnWidth() const {
    return UnitsFromMM(columnWidth_, Units());
}

void TppCustomReport::SetColumnWidth(float width) {
    columnWidth_ = UnitsToMM(width, Units());
    Change();
}

void TppCustomReport::SetNoDataBehaviors(unsigned behaviors) {
    const unsigned added = behaviors & ~noDataBehaviors_;
    if ((behaviors & bit(ndBlankPage)) && (behaviors & bit(ndBlankReport)))
        behaviors &= ~(added & bit(ndBlankReport) ? bit(ndBlankPage) : bit(ndBlankReport));
    if (!(behaviors & (bit(ndBlankPage) | bit(ndBlankReport))))
        behaviors |= bit(ndBlankPage);
    if (behaviors & bit(ndBlankPage))
        behaviors &= ~bit(ndMessageOnPage);
    noDataBehaviors_ = behaviors;
    Change();
}

void TppCustomReport::SetPageLimit(int limit) {
    pageLimit_ = limit;
    SetModified(true);
    Change();
}

void TppCustomReport::SetPassSetting(TppPassSettingType setting) {
    passSetting_ = setting;
    SetModified(true);
    Change();
}

int TppCustomReport::AbsolutePageNo() {
    return Engine() ? Engine()->AbsolutePageNo : 0;
}
int TppCustomReport::AbsolutePageCount() {
    return Engine() ? Engine()->AbsolutePageCount : 0;
}
int TppCustomReport::PageNo() {
    return Engine() ? Engine()->PageNo : 0;
}
int TppCustomReport::PageCount() {
    return Engine() ? Engine()->PageCount : 0;
}

void TppCustomReport::EndOfPage() {
    OnEndPage(this);
    BroadcastEvent(this, ciReportEndPage);
    if (pageLimit_ > 0 && Engine() && Engine()->AbsolutePageNo >= pageLimit_)
        Engine()->PageLimitReached();
}

void TppCustomReport::EngineCreated(TppCustomEngine& engine) {
    engine.OnReportEndPage = [this] { EndOfPage(); };
}
