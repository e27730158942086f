#include "TppSubReport.h"

#include "CacheRecord.h"
#include "ClassBuilder.h"
#include "ComponentNames.h"
#include "EnumerationNames.h"
#include "TppBand.h"
#include "TppBandEngine.h"
#include "TppChildReport.h"
#include "TppDrawCommand.h"
#include "TppEngine.h"
#include "TppEventKind.h"
#include "TppPage.h"
#include "TppPageRequest.h"
#include "TppPrinter.h"
#include "TppPrinterDevice.h"

const ClassInfo& TppSubReport::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppSubReport>("TppSubReport", &TppStretchable::staticClassInfo(), [](auto& c) {
            using S = TppSubReport;
            c.reference("DrillDownComponent", &S::DrillDownComponent, &S::SetDrillDownComponent);
            c.property("ExpandAll", &S::ExpandAll, &S::SetExpandAll).withDefault(false);
            c.property("NewPrintJob", &S::NewPrintJob, &S::SetNewPrintJob).withDefault(false);
            c.object("OutlineSettings", [](S& s) -> Persistent* { return &s.outlineSettings_; });
            c.property("ParentPrinterSetup", &S::ParentPrinterSetup, &S::SetParentPrinterSetup)
                .withDefault(true);
            c.property("ParentWidth", &S::ParentWidth, &S::SetParentWidth).withDefault(true);
            c.property("PrintBehavior", &S::PrintBehavior, &S::SetPrintBehavior)
                .names(enumerationNames("TppPrintBehaviorType"))
                .withDefault(pbChild);
            c.property("ResetPageNo", &S::ResetPageNo, &S::SetResetPageNo).withDefault(true);
            c.property("TraverseAllData", &S::TraverseAllData, &S::SetTraverseAllData).withDefault(false);
        });
    return info;
}

TppSubReport::TppSubReport(OwnedComponent* owner) : TppStretchable(owner) {
    SetParentWidth(true);
    SetStretch(true);
    outlineSettings_.OnChange = [this] {
        if (!isLoading() && Report())
            Report()->MainReport()->Notify(this, ppopOutlineSettingsChanged);
    };
}

// The child report is a child in the report tree and goes with it.
TppSubReport::~TppSubReport() {
    markDestroying();
    endSectionPrintJob();
}

TppChildReport* TppSubReport::ChildReport() {
    CreateReport();
    return child_;
}

void TppSubReport::CreateReport() {
    if (child_)
        return;
    TppReportModel* holder = Report();
    OwnedComponent* owner = holder ? holder->MainReport()->Owner() : Owner();
    auto* report = new TppChildReport(owner);
    report->SetName(UniqueComponentName(owner, QStringLiteral("ppChildReport"), report));
    SetChildReport(report);
    if (holder)
        if (auto* producer = dynamic_cast<TppProducer*>(holder->MainReport()))
            report->SetPrinterSetup(producer->PrinterSetup());
    report->SetUnits(Units());
    report->SetDataPipeline(DataPipeline());
}

void TppSubReport::SetChildReport(TppChildReport* report) {
    if (report == child_)
        return;
    TppChildReport* old = child_;
    if (old)
        UnlinkFrom(old);
    child_ = report;
    if (report) {
        report->SetParent(this);
        LinkTo(report);
    }
    delete old;
}

void TppSubReport::SetPrintBehavior(TppPrintBehaviorType behavior) {
    if (behavior == printBehavior_)
        return;
    if (behavior == pbSection && Region() && !isLoading())
        behavior = pbFixed;
    printBehavior_ = behavior;
    if (!isLoading()) {
        SetStretch(behavior == pbChild);
        if (behavior == pbFixed)
            SetmmStopPosition(0);
        if (behavior == pbSection) {
            SetDrillDownComponent(nullptr);
            SetParentWidth(true);
            SetShiftRelativeTo(nullptr);
        } else {
            newPrintJob_ = false;
            resetPageNo_ = false;
        }
    }
    Change();
}

void TppSubReport::SetParentPrinterSetup(bool value) {
    parentPrinterSetup_ = value;
    if (value && child_ && !isLoading())
        if (auto* producer = dynamic_cast<TppProducer*>(Report()))
            child_->SetPrinterSetup(producer->PrinterSetup());
    Change();
}

void TppSubReport::SetResetPageNo(bool value) {
    if (printBehavior_ != pbSection && !isLoading())
        return;
    resetPageNo_ = value;
    Change();
}

void TppSubReport::SetNewPrintJob(bool value) {
    newPrintJob_ = value;
    if (value && !isLoading())
        SetPrintBehavior(pbSection);
    Change();
}

void TppSubReport::SetTraverseAllData(bool value) {
    traverseAllData_ = value;
    Change();
}

void TppSubReport::SetExpandAll(bool value) {
    expandAll_ = value;
    Expansions.clear();
    Change();
}

void TppSubReport::SetDataPipeline(TppDataPipeline* pipeline) {
    TppStretchable::SetDataPipeline(pipeline);
    if (child_)
        child_->SetDataPipeline(pipeline);
}

void TppSubReport::SetDrillDownComponent(TppComponent* component) {
    if (component == drillDown_)
        return;
    if (component && printBehavior_ != pbChild && !isLoading())
        return;
    routeDrillDownEvents(false);
    if (drillDown_)
        UnlinkFrom(drillDown_);
    drillDown_ = component;
    if (component) {
        LinkTo(component);
        // One drill-down component expands one subreport of its band.
        if (!isLoading() && Band())
            for (TppComponent* other : Band()->Objects())
                if (auto* sibling = dynamic_cast<TppSubReport*>(other);
                    sibling && sibling != this && sibling->drillDown_ == component)
                    sibling->SetDrillDownComponent(nullptr);
    }
    Change();
}

void TppSubReport::routeDrillDownEvents(bool on) {
    if (!drillDown_)
        return;
    if (on) {
        AddEventKind(ciPrintableDrawCommandCreate);
        AddEventKind(ciPrintableDrawCommandClick);
        drillDown_->SubscribeEvents(this);
    } else {
        drillDown_->UnsubscribeEvents(this);
        RemoveEventKind(ciPrintableDrawCommandCreate);
        RemoveEventKind(ciPrintableDrawCommandClick);
    }
}

void TppSubReport::EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) {
    TppStretchable::EventNotify(sender, kind, params);
    if (kind == ciEnginePageSent) {
        if (TppEngine* parent = parentEngine(); parent && sender == parent)
            sectionPageSent(*parent);
        return;
    }
    if (!drillDown_ || sender != drillDown_ || !params || params->isEmpty())
        return;
    auto* command = dynamic_cast<TppDrawCommand*>(params->value(0).value<TppCommunicator*>());
    if (!command)
        return;
    if (kind == ciPrintableDrawCommandCreate)
        command->DrillDownKey = CurrentExpansionKey();
    else if (kind == ciPrintableDrawCommandClick)
        toggleExpansion(*command);
}

// The main report makes the pages from the clicked one on again, and the
// publisher forgets its copies of them, so no page shows the old state.
void TppSubReport::toggleExpansion(TppDrawCommand& command) {
    TppReportModel* holder = Report();
    auto* main = holder ? dynamic_cast<TppBandedReport*>(holder->MainReport()) : nullptr;
    TppEngine* engine = main ? main->BandedEngine() : nullptr;
    if (!engine || engine->Generating() || command.DrillDownKey.isEmpty())
        return;
    if (!Expansions.removeOne(command.DrillDownKey))
        Expansions.append(command.DrillDownKey);
    KeepExpansions = true;
    const TppPage* page = command.Page();
    const int pageNo = page && page->AbsolutePageNo > 0 ? page->AbsolutePageNo : 1;
    engine->RegenerateFrom(pageNo);
    main->Publisher().DiscardPagesFrom(main->PassSetting() == psTwoPass ? 1 : pageNo);
    command.RedrawPage = true;
}

void TppSubReport::Notify(TppCommunicator* sender, int operation) {
    TppStretchable::Notify(sender, operation);
    if (operation != ppopRemove)
        return;
    if (sender == drillDown_)
        drillDown_ = nullptr;
    if (sender == child_)
        child_ = nullptr;
}

void TppSubReport::Loaded() {
    TppStretchable::Loaded();
    // A drill-down component that left the band is no longer one.
    if (drillDown_ && drillDown_->Band() != Band())
        SetDrillDownComponent(nullptr);
}

QString TppSubReport::CurrentReportKey() const {
    return reportKeyOf(Report());
}

QString TppSubReport::CurrentExpansionKey() const {
    return CurrentReportKey() + sortKeyNumber(Count);
}

bool TppSubReport::DrillDownExpanded() const {
    return !drillDown_ || expandAll_ || Expansions.contains(CurrentExpansionKey());
}

// Generation ------------------------------------------------------------------

TppEngine* TppSubReport::childEngine() {
    TppChildReport* report = ChildReport();
    return report ? report->BandedEngine() : nullptr;
}

void TppSubReport::resetChildEngine() {
    heldInstance_ = -1;
    if (TppEngine* engine = childEngine())
        engine->Reset();
}

// A page made again (asked for alone, or in the second pass) may continue
// an instance the child engine no longer holds: its pages before this one
// are made again first, each on the paper it had, so the child continues
// where that instance's page ended.
void TppSubReport::replayInstance() {
    const int continueAt = ChildPageNo;
    const auto found = childPageSizes_.find(Count);
    const QList<QSize> sizes = found != childPageSizes_.end() ? found->second : QList<QSize>();
    resetChildEngine();
    heldInstance_ = Count;
    for (ChildPageNo = 1; ChildPageNo < continueAt && ChildPageNo <= sizes.size(); ++ChildPageNo) {
        const QSize& size = sizes[ChildPageNo - 1];
        generateChildPage(size.width(), size.height());
    }
    ChildPageNo = continueAt;
}

void TppSubReport::InitForReport() {
    TppStretchable::InitForReport();
    Count = 0;
    if (!KeepExpansions)
        Expansions.clear();
    KeepExpansions = false;
    routeDrillDownEvents(false);
    if (!expandAll_)
        routeDrillDownEvents(true);
    InstanceStarted = InstanceComplete = ChildDataDone = false;
    SectionBreakDone = SectionPageFilled = false;
    ChildPageNo = 1;
    ChildPageCount = 0;
    ChildLastPage = 0;
    childPageSizes_.clear();
    sectionPageCounts_.clear();
    sectionPages_.clear();
    endSectionPrintJob();
    if (TppChildReport* report = ChildReport()) {
        // The main report runs the passes; the child follows them page by page.
        if (report->PassSetting() == psTwoPass)
            report->SetPassSetting(psOnePass);
        if (child_->DataPipeline() != DataPipeline() && DataPipeline())
            child_->SetDataPipeline(DataPipeline());
        if (printBehavior_ == pbSection && parentPrinterSetup_)
            if (auto* parent = dynamic_cast<TppProducer*>(Report()))
                report->SetPrinterSetup(parent->PrinterSetup());
    }
    resetChildEngine();
    if (TppEngine* parent = parentEngine(); parent && printBehavior_ == pbSection) {
        AddEventKind(ciEnginePageSent);
        LinkTo(parent);
        parent->SubscribeEvents(this);
    }
}

void TppSubReport::ResetForBand() {
    TppStretchable::ResetForBand();
    GeneratedInPass = false;
}

void TppSubReport::CacheFields(CacheRecord& record) {
    TppStretchable::CacheFields(record);
    record.field(Count);
    record.field(InstanceStarted);
    record.field(ChildLastPage);
    record.field(InstanceComplete);
    record.field(ChildPageNo);
    record.field(ChildPageCount);
    record.field(ChildDataDone);
    record.field(SectionBreakDone);
}

void TppSubReport::MeasureContent() {
    GeneratedInPass = true;
    if (printBehavior_ == pbSection)
        measureSection();
    else if (printBehavior_ == pbFixed && !traverseAllData_)
        measureFixed();
    else
        measureChild();
}

void TppSubReport::generateChildPage(int width, int height) {
    TppChildReport* report = ChildReport();
    TppEngine* engine = childEngine();
    if (!report || !engine)
        return;
    TppPrinterSetup& setup = report->PrinterSetup();
    if (auto* parent = dynamic_cast<TppProducer*>(Report()))
        setup.Assign(parent->PrinterSetup());
    setup.SetmmPaperWidth(std::max(width, 1));
    setup.SetmmPaperHeight(std::max(height, 1));
    for (int TppPageDef::*margin : {&TppPageDef::mmMarginLeft, &TppPageDef::mmMarginTop,
                                    &TppPageDef::mmMarginRight, &TppPageDef::mmMarginBottom})
        setup.SetmmMargin(margin, 0);
    QList<QSize>& sizes = childPageSizes_[Count];
    if (sizes.size() < ChildPageNo)
        sizes.resize(ChildPageNo);
    sizes[ChildPageNo - 1] = QSize(width, height);
    // A child with nothing to print this time leaves no page of an earlier instance behind.
    engine->Page().ResetPage();
    generateChildPageNo(*engine);
}

bool TppSubReport::generateChildPageNo(TppEngine& engine) {
    // The child's page is part of the parent's job, not a job of its own.
    TppPageRequest request;
    request.PageSetting = psSinglePage;
    request.PageRequested = ChildPageNo;
    const bool printing = engine.Printing;
    engine.Printing = false;
    engine.GeneratePages(request, childPublisher_);
    engine.Printing = printing;
    if (!engine.StopPrinting)
        return true;
    engine.Reset();
    return false;
}

// A drill-down instance that is not expanded prints nothing and takes no
// room; its child starts again when the instance is expanded.
bool TppSubReport::skipCollapsed() {
    if (DrillDownExpanded())
        return false;
    resetChildEngine();
    InstanceComplete = true;
    OverFlow = false;
    SpaceUsed = 0;
    return true;
}

void TppSubReport::measureChild() {
    TppEngine* engine = childEngine();
    if (!engine)
        return;
    if (skipCollapsed())
        return;
    if (!InstanceStarted) {
        InstanceStarted = true;
        ChildDataDone = InstanceComplete = false;
        ChildPageNo = ChildPageCount = 1;
        ChildLastPage = 0;
        resetChildEngine();
        heldInstance_ = Count;
    } else {
        if (heldInstance_ != Count)
            replayInstance();
        engine->AbsolutePageCount = ChildPageCount;
    }
    const bool keep = KeepTogetherApplies();
    // A fixed box that walks all its data shows one box-high child page on
    // each parent page, cut at the box, until the child's data ends.
    const bool traversing = printBehavior_ == pbFixed;
    const int boxHeight = std::min(mmHeight(), PageBottom - PrintRect.Top);
    generateChildPage(PrintRect.Width(), traversing ? boxHeight : PrintRect.Height());
    if (traversing) {
        InstanceComplete = engine->LastBandDone;
        OverFlow = !InstanceComplete;
        SpaceUsed = boxHeight;
    } else if (StretchingMode()) {
        InstanceComplete = engine->LastBandDone;
        OverFlow = !InstanceComplete;
        SpaceUsed = engine->SpaceUsedOnPage();
    } else {
        InstanceComplete = true;
        OverFlow = false;
        SpaceUsed = mmHeight();
    }
    if (SpaceUsed <= 0) {
        ChildLastPage = 0;
    } else {
        if (OverFlow && keep) {
            // The instance starts again, whole, on the next page.
            KeptTogether = true;
            SpaceUsed = 0;
            InstanceStarted = false;
            engine->Page().ResetPage();
            return;
        }
        if (OverFlow) {
            ++ChildPageNo;
            ChildLastPage = engine->AbsolutePageNo;
        }
    }
    ChildPageCount = engine->AbsolutePageCount;
    ChildDataDone = engine->DataExhausted && engine->LastBandDone;
    if (InstanceComplete)
        InstanceStarted = false;
    if (!OverFlow && KeptTogether)
        KeptTogether = false;
}

// The box shows the first page of the child, as far as it fits; the rest
// is not printed. A box taller than the room an empty page has was placed
// cut at the page bottom, and is cut there rather than waiting for a page
// that never holds it.
void TppSubReport::measureFixed() {
    TppEngine* engine = childEngine();
    if (!engine)
        return;
    if (skipCollapsed())
        return;
    const int height = std::min(mmHeight(), PageBottom - PrintRect.Top);
    ChildPageNo = 1;
    ChildLastPage = 0;
    ChildPageCount = 1;
    resetChildEngine();
    generateChildPage(mmWidth(), height);
    InstanceComplete = true;
    OverFlow = false;
    SpaceUsed = height;
    ChildDataDone = engine->DataExhausted && engine->LastBandDone;
}

// Sections ----------------------------------------------------------------------

TppEngine* TppSubReport::parentEngine() const {
    auto* report = dynamic_cast<TppBandedReport*>(Report());
    return report ? report->BandedEngine() : nullptr;
}

TppBandEngine* TppSubReport::bandEngine() const {
    TppEngine* parent = parentEngine();
    return parent ? parent->BandEngine(Band()) : nullptr;
}

int TppSubReport::SectionFirstPage() const {
    const auto found = sectionPages_.find(Count);
    return found != sectionPages_.end() ? found->second.first : 0;
}

bool TppSubReport::sectionWaitsForNextPage(TppEngine& parent) const {
    // A section that follows another in the band finds the other's last page here.
    if (!parent.PageIsEmpty() || parent.SectionOnPage() || (Band() && Band()->SpaceUsed > 0))
        return true;
    const QList<TppComponent*> objects = Band() ? Band()->Objects() : QList<TppComponent*>();
    return !std::all_of(objects.begin(), objects.end(), [](const TppComponent* object) {
        const auto* subReport = dynamic_cast<const TppSubReport*>(object);
        return subReport && subReport->PrintBehavior() == pbSection;
    });
}

// A section prints its child report on pages of its own, one child page in
// place of each parent page, until the child's last band has printed. The
// band that holds it waits on each of those pages (the component pass
// follows PrintingSection), and the parent's page bands do not print there.
void TppSubReport::measureSection() {
    SpaceUsed = 0;
    TppEngine* parent = parentEngine();
    TppBandEngine* band = bandEngine();
    if (!parent || !band || !childEngine())
        return;
    if (!SectionBreakDone) {
        SectionBreakDone = true;
        OverFlow = true;
        InstanceStarted = true;
        InstanceComplete = false;
        ChildPageNo = 1;
        ChildPageCount = ChildLastPage = 0;
        ChildDataDone = false;
        parent->SetStatus(esSectionStart, true);
        band->Pass().PrintingSection = true;
        if (sectionWaitsForNextPage(*parent))
            return;
    }
    parent->SetStatus(esSectionStart, false);
    parent->SetStatus(esSectionGenerate, true);
    band->Pass().PrintingSection = true;
    generateSectionPage(*parent);
}

void TppSubReport::generateSectionPage(TppEngine& parent) {
    TppChildReport* report = ChildReport();
    TppEngine* engine = childEngine();
    // The child engine makes its pages in order from its own cache: a page of
    // an instance it no longer holds is reached by making the ones before it
    // again, undrawn, in the same request.
    if (ChildPageNo == 1 || heldInstance_ != Count) {
        resetChildEngine();
        heldInstance_ = Count;
    }
    TppPage& childPage = engine->Page();
    childPage.ResetPage();
    childPage.SetPrinterSetup(report->PrinterSetup());
    childPage.SetSourceReport(report);
    if (!generateChildPageNo(*engine))
        return;

    SectionPageFilled = childPage.DrawCommandCount() > 0;
    OverFlow = !engine->LastBandDone;
    InstanceComplete = !OverFlow;
    parent.SetStatus(esSectionGenerate, OverFlow);
    // An instance that printed nothing at all (a child without records) has
    // no page of its own: the parent's page goes on as the parent's.
    const bool printedNothing = InstanceComplete && ChildPageNo == 1 && !SectionPageFilled;
    parent.SetStatus(esSectionEnd, InstanceComplete && !printedNothing);
    if (printedNothing)
        if (TppBandEngine* band = bandEngine())
            band->Pass().PrintingSection = false;
    ChildLastPage = engine->AbsolutePageNo;
    ChildPageCount = engine->AbsolutePageCount;
    ChildDataDone = engine->DataExhausted && engine->LastBandDone;
    SectionPages& pages = sectionPages_[Count];
    pages.first = parent.AbsolutePageNo - ChildPageNo + 1;
    pages.last = InstanceComplete ? parent.AbsolutePageNo : 0;
    if (InstanceComplete)
        sectionPageCounts_[Count] = ChildPageCount;
    if (SectionPageFilled) {
        placeSectionPage(parent, childPage);
        if (newPrintJob_ && parent.DrawPage)
            startSectionPrintJob();
    }
    if (OverFlow) {
        ++ChildPageNo;
        return;
    }
    ++Count;
    InstanceStarted = SectionBreakDone = false;
    ChildPageNo = 1;
    ChildPageCount = ChildLastPage = 0;
    ChildDataDone = false;
    resetChildEngine();
}

// The section's page replaces the parent's page whole, on the child's paper.
// Its numbers go on from the parent's, or, with ResetPageNo, count the
// instance's own pages in a page set of their own: devices that learn a
// larger count later raise it only within the same set.
void TppSubReport::placeSectionPage(TppEngine& parent, TppPage& childPage) {
    TppPage& page = parent.Page();
    const int parentSet = page.ControlGroupBreakNo;
    page.Assign(childPage);
    page.ControlGroupBreakNo = parentSet;
    if (resetPageNo_) {
        const auto known = sectionPageCounts_.find(Count);
        page.PageNo = childPage.AbsolutePageNo;
        page.PageCount = known != sectionPageCounts_.end() ? known->second : childPage.AbsolutePageCount;
        page.ControlGroupBreakNo = -sectionPages_[Count].first;
    } else {
        page.PageNo = parent.PageNo;
        page.PageCount = parent.PageCount;
    }
    // What the child's page variables showed was the child's numbering.
    for (TppDrawCommand* command : page.UpdatableCommands())
        command->UpdateText();
}

void TppSubReport::sectionPageSent(TppEngine& parent) {
    if (!SectionPageFilled)
        return;
    SectionPageFilled = false;
    if (InstanceComplete || parent.GenerationCompleted)
        endSectionPrintJob();
    // The parent's next page is on the parent's paper again.
    if (auto* producer = dynamic_cast<TppProducer*>(Report())) {
        parent.Page().SetPrinterSetup(producer->PrinterSetup());
        parent.Page().SetSourceReport(producer);
    }
}

// A NewPrintJob section prints as a job of its own while the parent prints
// on a printer: its device, on the child's paper, takes the parent
// printer's place among the publisher's devices (both are exclusive, and
// the one attached last receives the pages) until the section ends.
void TppSubReport::startSectionPrintJob() {
    if (sectionPrinter_)
        return;
    auto* main = dynamic_cast<TppProducer*>(Report() ? Report()->MainReport() : nullptr);
    if (!main || main->DeviceType() != QLatin1String("Printer"))
        return;
    TppPublisher& publisher = main->Publisher();
    TppDevice* parentPrinter = nullptr;
    for (TppDevice* device : publisher.Devices())
        if (device->DeviceName() == QLatin1String("Printer") && device->Exclusive())
            parentPrinter = device;
    if (!parentPrinter || !parentPrinter->InJob())
        return;
    auto device = std::make_unique<TppPrinterDevice>();
    TppPrinter* printer = device->Printer();
    printer->ApplySetup(ChildReport()->PrinterSetup());
    // A printer the section cannot print on leaves its pages in the report's job.
    if (!printer->HasUsableContext())
        return;
    sectionPrinter_ = std::move(device);
    sectionPrinter_->LanguageIndex = parentPrinter->LanguageIndex;
    sectionPrinter_->SetPageRequest(parentPrinter->DeviceRequest());
    sectionPrinter_->SetExclusive(true);
    sectionPrinter_->SetExclusiveGroup(parentPrinter->ExclusiveGroup());
    sectionPrinter_->SetPublisher(&publisher);
    sectionPrinter_->BeginJob();
    displacedPrinter_.reset(parentPrinter);
}

void TppSubReport::endSectionPrintJob() {
    if (!sectionPrinter_)
        return;
    // The section's device saw the pages the parent's printer did not: when
    // they completed its request, they completed the parent's.
    const bool requestDone = !sectionPrinter_->AwaitingPages();
    sectionPrinter_->FinishJob();
    sectionPrinter_->SetPublisher(nullptr);
    sectionPrinter_.reset();
    if (TppDevice* displaced = displacedPrinter_.get(); displaced && requestDone)
        displaced->SetAwaitingPages(false);
    displacedPrinter_.reset(nullptr);
}

void TppSubReport::FinishBandPass() {
    TppStretchable::FinishBandPass();
    if (printBehavior_ != pbSection && GeneratedInPass && InstanceComplete) {
        ++Count;
        InstanceComplete = false;
    }
}

void TppSubReport::DrawOnPage(TppPage& page) {
    TppEngine* engine = child_ ? child_->BandedEngine() : nullptr;
    if (engine && DrawComponent && Visible() && DrillDownExpanded() && printBehavior_ != pbSection) {
        TppPage& childPage = engine->Page();
        while (childPage.DrawCommandCount() > 0) {
            TppDrawCommand* command = childPage.DrawCommand(0);
            command->SetLeft(command->Left() + PrintRect.Left);
            command->SetTop(command->Top() + PrintRect.Top);
            page.AddDrawCommand(command);
        }
    }
    DrawShifters(page);
}
