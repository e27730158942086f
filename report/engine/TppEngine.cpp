#include "TppEngine.h"

#include "BandEngines.h"
#include "CacheRecord.h"
#include "FormRegistry.h"
#include "LastPageCorrection.h"
#include "NoDataMessage.h"
#include "PagewrightErrors.h"
#include "TppBandedReport.h"
#include "TppComponent.h"
#include "TppCustomNoDataDialog.h"
#include "TppDataPipeline.h"
#include "TppDetailBand.h"
#include "TppDetailBandEngine.h"
#include "TppDrawText.h"
#include "TppGroup.h"
#include "TppGroupFooterBandEngine.h"
#include "TppGroupHeaderBand.h"
#include "TppGroupHeaderBandEngine.h"
#include "TppOutlineEventKinds.h"
#include "TppPublisher.h"
#include "TppReportBand.h"
#include "TppResourceManager.h"
#include "Units.h"

#include <algorithm>

namespace {

unsigned bit(TppNoDataBehavior behavior) {
    return 1u << behavior;
}

// Restores a flag when the scope ends, also through an exception.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

} // namespace

TppEngine::TppEngine(TppBandedReport& report) : report_(report) {}

TppEngine::~TppEngine() {
    markDestroying();
    releasePipelineStates();
}

const TppPageDef& TppEngine::PageDef() const {
    return report_.PageDef();
}

void TppEngine::SetStatus(TppEngineStatus status, bool on) {
    if (on)
        Status |= status;
    else
        Status &= ~unsigned(status);
}

void TppEngine::SetPrintable(unsigned kinds, bool on) {
    if (on)
        PrintableKinds |= kinds;
    else
        PrintableKinds &= ~kinds;
}

void TppEngine::CountBand(bool newInReport) {
    if (newInReport)
        ++ReportBandCount;
    ++PageBandCount;
}

int TppEngine::ColumnCount() const {
    return report_.Columns();
}

TppBandEngine* TppEngine::BandEngine(const TppBand* band) const {
    for (const auto& engine : bandEngines_)
        if (&engine->Band() == band)
            return engine.get();
    return nullptr;
}

// The request ---------------------------------------------------------------

void TppEngine::GeneratePages(TppPageRequest& request, TppPublisher& publisher) {
    if (generating_)
        return;
    FlagScope generating(generating_);
    publisher_ = &publisher;
    // Whatever happens, the pipelines go back to where the request found
    // them; one the request opened, to the record its dataset was on.
    TppDataPipeline* masterBeforePipeline = report_.DataPipeline();
    PipelineState masterBefore =
        masterBeforePipeline ? PipelineState::of(*masterBeforePipeline) : PipelineState();
    // The detail pipeline as the run will take it, also on the first request, before it is known.
    const TppBand* detailBand = report_.DetailBand();
    TppDataPipeline* detailBeforePipeline = detailBand ? detailBand->DataPipeline() : nullptr;
    if (detailBeforePipeline == masterBeforePipeline)
        detailBeforePipeline = nullptr;
    PipelineState detailBefore =
        detailBeforePipeline ? PipelineState::of(*detailBeforePipeline) : PipelineState();
    const auto putBack = [&] {
        if (master_ && master_ == masterBeforePipeline) {
            if (masterBefore.isEmpty() && master_->Active())
                master_->GotoBookmark(openingBookmark_);
            masterBefore.returnTo(*master_);
            masterBefore.release(*master_);
        }
        if (detail_ && detail_ == detailBeforePipeline) {
            detailBefore.returnTo(*detail_);
            detailBefore.release(*detail_);
        }
    };
    report_.BroadcastEvent(&report_, ciReportGenerationStart);
    try {
        if (report_.PassSetting() == psTwoPass && !passes_.firstComplete) {
            // The first pass counts the pages; of them it draws only the
            // one page a preview waits for.
            firstPassDrawPage_ = PageRequestCursor(request).TargetPage(progress());
            TppPageRequest firstPass;
            firstPass.Assign(request);
            firstPass.PageSetting = psAll;
            generateRun(firstPass);
            firstPassDrawPage_ = 0;
        }
        if (!StopPrinting)
            generateRun(request);
    } catch (...) {
        putBack();
        report_.BroadcastEvent(&report_, ciReportGenerationEnd);
        throw;
    }
    putBack();
    GenerationCompleted = passes_.firstComplete;
    report_.BroadcastEvent(&report_, ciReportGenerationEnd);
}

PageRequestCursor::Progress TppEngine::progress() const {
    return {report_.CachedPageCount(), passes_.firstComplete, AbsolutePageCount};
}

void TppEngine::generateRun(TppPageRequest& request) {
    requestServed_ = false;
    StopPrinting = false;
    LastBandDone = false;
    cursor_ = std::make_unique<PageRequestCursor>(request);
    startReportRun();
    if (requestServed_)
        return;
    report_.BroadcastEvent(&report_, ciReportRunStart);
    int page = cursor_->FirstPage(progress());
    while (page > 0 && !requestServed_ && !StopPrinting) {
        AbsolutePageNo = page;
        spaceUsed_ = 0;
        determinePass();
        generateOnePage();
        endPassCheck();
        if (StopPrinting)
            break;
        page = cursor_->NextPage(AbsolutePageNo, DrawPage, LastBandDone, progress());
        ProcessMessages();
    }
    requestServed_ = true;
}

void TppEngine::Reset() {
    if (generating_)
        return;
    TppCustomEngine::Reset();
    PrintableKinds = 0;
    Status = 0;
    mainStarted_ = false;
    setLastPage_.clear();
    setBreakNo_.clear();
    releasePipelineStates();
    report_.ResetPageCache();
    report_.BroadcastEvent(&report_, ciReportGenerationEnd);
}

void TppEngine::RegenerateFrom(int page) {
    if (generating_)
        return;
    if (report_.PassSetting() == psTwoPass || page <= 1) {
        Reset();
        return;
    }
    report_.PageCache().DiscardFrom(page);
    passes_.firstComplete = false;
    AbsolutePageCount = std::min(AbsolutePageCount, page - 1);
    LastBandDone = false;
    GenerationCompleted = false;
}

void TppEngine::Notify(TppCommunicator* sender, int operation) {
    TppCustomEngine::Notify(sender, operation);
    if (operation != ppopRemove)
        return;
    if (sender == master_) {
        masterState_ = PipelineState();
        master_ = nullptr;
    }
    if (sender == detail_) {
        detailState_ = PipelineState();
        detail_ = nullptr;
    }
    lookups_.removeIf([sender](const TppDataPipeline* pipeline) { return pipeline == sender; });
    opened_.removeIf([sender](const TppDataPipeline* pipeline) { return pipeline == sender; });
    // Bands tell of their removal from the communicator's destructor, where
    // the sender is no longer a band to a cast: compare addresses instead.
    const bool aBand = std::any_of(bandEngines_.begin(), bandEngines_.end(), [sender](const auto& engine) {
        return static_cast<const TppCommunicator*>(&engine->Band()) == sender;
    });
    if (aBand) {
        // The next request starts a new run over the bands there are then.
        StopPrinting = true;
        Status &= ~unsigned(esStarted);
        if (!generating_) {
            for (auto& list : lists_)
                list.clear();
            bandEngines_.clear();
            detailEngine_ = nullptr;
            lastBand_ = currentBand_ = nullptr;
        }
    }
}

void TppEngine::PageLimitReached() {
    DataExhausted = true;
    LastBandDone = true;
    PrintableKinds |= bkSummary | bkGroupFooter;
}

// Starting a run ---------------------------------------------------------------

bool TppEngine::reportHasData() const {
    return !StopPrinting && (!master_ || !master_->HasState(NoRecords));
}

void TppEngine::startReportRun() {
    if (HasStatus(esStarted)) {
        if (!reportHasData())
            noDataAtRunStart();
        return;
    }
    openPipelines();
    if (StopPrinting && master_)
        master_->SetState(NoRecords);
    if (!mainStarted_) {
        if (master_ && master_->Active()) {
            master_->ClearState();
            master_->First();
        }
        mainStarted_ = true;
    }

    PrintableKinds = 0;
    Status = 0;
    if (master_)
        master_->SetCurrentRecordBookmark(openingBookmark_);
    passes_ = {};
    spaceUsed_ = 0;
    DataExhausted = false;
    masterMoved_ = detailMoved_ = false;
    AdvancePending = false;
    notifyPending_ = false;
    everyColumnStarted_ = false;
    setLastPage_.clear();
    setBreakNo_.clear();
    SetStatus(esNoData, !reportHasData());
    if (HasStatus(esNoData)) {
        noDataAtRunStart();
    }

    notifyPending_ = true;
    masterMoved_ = master_ != nullptr;
    detailMoved_ = detail_ != nullptr;
    PageHasContent = false;

    initGroups();
    buildBandLists();
    for (const auto& band : bandEngines_)
        band->InitForReport();
    // Nothing walks the records without a detail band: the data is done.
    if (!detailEngine_)
        DataExhausted = true;

    PrintableKinds |= bkGroupHeader;
    if (TppReportModel* parent = report_.MainReport(); parent != &report_)
        PrintDateTime = static_cast<TppBandedReport*>(parent)->Engine()->PrintDateTime;
    else
        PrintDateTime = report_.Now();

    Status |= esStarted;
    passes_.current = TppPassState::Pass::First;
    ReportBandCount = PageBandCount = AbsolutePageNo = AbsolutePageCount = 0;
    PageNo = PageCount = 0;
    topToBottomColumns_ = ColumnCount() >= 2 &&
                          (!detailEngine_ || detailEngine_->DetailBand().ColumnTraversal() == ctTopToBottom);
    PrintableKinds |= bkTitle;
    resumeList_ = blTitle;
    resumeBand_ = 0;

    report_.ResetPageCache();
    savePageState();
    determinePass();
    ColumnOpened.assign(size_t(ColumnCount()), false);
    ColumnClosed.assign(size_t(ColumnCount()), false);
}

void TppEngine::openPipeline(TppDataPipeline& pipeline) {
    const bool wasActive = pipeline.Active();
    bool failed = false;
    try {
        pipeline.Open();
    } catch (const EDataError&) {
        failed = true;
    }
    if (failed || !pipeline.Active())
        ReportError(LanguageString(kMsgCouldNotOpenDataSet) + QStringLiteral(": ") + pipeline.Name());
    if (!wasActive && !opened_.contains(&pipeline))
        opened_.append(&pipeline);
}

void TppEngine::ClosePipelines() {
    if (generating_)
        return;
    QList<TppDataPipeline*> connected = lookups_;
    for (TppDataPipeline* pipeline : {master_, detail_})
        if (pipeline)
            connected << pipeline;
    for (TppDataPipeline* pipeline : connected)
        pipeline->UnsubscribeEvents(this);
    const QList<TppDataPipeline*> opened = std::exchange(opened_, {});
    if (opened.isEmpty())
        return;
    // The run's saved positions are bookmarks into the data being closed: the next job starts anew.
    Reset();
    for (TppDataPipeline* pipeline : opened)
        pipeline->Close();
}

void TppEngine::openPipelines() {
    master_ = report_.DataPipeline();
    const TppBand* detailBand = report_.DetailBand();
    TppDataPipeline* detailPipeline = detailBand ? detailBand->DataPipeline() : nullptr;
    detail_ = detailPipeline != master_ ? detailPipeline : nullptr;
    lookups_.clear();
    if (master_) {
        master_->SubscribeEvents(this);
        openPipeline(*master_);
        openingBookmark_ = master_->GetBookmark();
        master_->First();
    }
    if (detail_) {
        detail_->SubscribeEvents(this);
        openPipeline(*detail_);
        detail_->First();
    }
    for (const TppBand* band : report_.Bands())
        for (TppComponent* component : band->Objects()) {
            TppDataPipeline* pipeline = component->DataPipeline();
            if (!pipeline || pipeline == master_ || pipeline == detail_ || lookups_.contains(pipeline))
                continue;
            lookups_.append(pipeline);
            pipeline->SubscribeEvents(this);
            openPipeline(*pipeline);
        }
}

void TppEngine::initGroups() {
    controlGroup_ = nullptr;
    keepTogetherGroup_ = nullptr;
    const QList<TppGroup*>& groups = report_.Groups();
    for (TppGroup* group : groups) {
        group->ResetBreak();
        group->SetKeptTogether(false);
        if (!controlGroup_ && group->NewPage() && group->ResetPageNo())
            controlGroup_ = group;
    }
    for (qsizetype index = groups.size() - 1; index >= 0 && !keepTogetherGroup_; --index)
        if (groups[index]->KeepTogether() && !groups[index]->NewPage())
            keepTogetherGroup_ = groups[index];
    if (keepTogetherGroup_) {
        const qsizetype control = groups.indexOf(keepTogetherGroup_);
        for (qsizetype index = control + 1; index < groups.size(); ++index)
            if (groups[index]->NewPage())
                keepTogetherGroup_ = nullptr;
    }
}

void TppEngine::buildBandLists() {
    bandEngines_.clear();
    for (auto& list : lists_)
        list.clear();
    detailEngine_ = nullptr;
    lastBand_ = nullptr;
    TppBandEngine* lastSummary = nullptr;
    TppBandEngine* lastFooter = nullptr;
    TppBandEngine* lastDetail = nullptr;
    QList<TppBand*> bands = report_.Bands();
    std::stable_sort(bands.begin(), bands.end(),
                     [](const TppBand* a, const TppBand* b) { return a->SortKey() < b->SortKey(); });
    for (TppBand* band : bands) {
        const bool pageBand = band->BandTypeCode() == btHeader || band->BandTypeCode() == btFooter;
        if (pageBand && !report_.PrintsPageBands())
            continue;
        std::unique_ptr<TppBandEngine> engine = createBandEngine(*band, *this);
        if (!engine)
            continue;
        TppBandEngine* made = engine.get();
        bandEngines_.push_back(std::move(engine));
        LinkTo(band);
        switch (band->BandTypeCode()) {
        case btPageStyle:
            lists_[blPageStyle].append(made);
            break;
        case btHeader:
            lists_[blHeader].append(made);
            break;
        case btTitle:
            lists_[blTitle].append(made);
            break;
        case btColumnHeader:
            lists_[blColumnHeader].append(made);
            break;
        case btGroupHeader:
            lists_[blGroupHeader].append(made);
            break;
        case btDetail:
            lists_[blDetail].append(made);
            detailEngine_ = static_cast<TppDetailBandEngine*>(made);
            lastDetail = made;
            break;
        case btGroupFooter:
            lists_[blGroupFooter].append(made);
            lastFooter = made;
            break;
        case btSummary:
            lists_[blSummary].append(made);
            lastSummary = made;
            break;
        case btColumnFooter:
            lists_[blColumnFooter].append(made);
            break;
        case btFooter:
            lists_[blFooter].append(made);
            break;
        default:
            break;
        }
    }
    lastBand_ = lastSummary ? lastSummary : lastFooter ? lastFooter : lastDetail;
}

// Passes ----------------------------------------------------------------------

void TppEngine::determinePass() {
    const bool second = report_.PassSetting() == psTwoPass && passes_.firstComplete;
    passes_.current = second ? TppPassState::Pass::Second : TppPassState::Pass::First;
    if (second && passes_.fire(TppPassState::StartSecond))
        fireReportEvent(&TppCustomReport::OnStartSecondPass, ciReportStartSecondPass);
    else if (!second && passes_.fire(TppPassState::StartFirst))
        fireReportEvent(&TppCustomReport::OnStartFirstPass, ciReportStartFirstPass);
}

void TppEngine::endPassCheck() {
    if (!LastBandDone || !isLastCountedPage())
        return;
    if (SecondPass() && passes_.fire(TppPassState::EndSecond)) {
        passes_.current = TppPassState::Pass::None;
        fireReportEvent(&TppCustomReport::OnEndSecondPass, ciReportEndSecondPass);
    } else if (FirstPass() && passes_.fire(TppPassState::EndFirst)) {
        passes_.current = TppPassState::Pass::None;
        fireReportEvent(&TppCustomReport::OnEndFirstPass, ciReportEndFirstPass);
    }
}

void TppEngine::fireReportEvent(TppNotifyEvent TppCustomReport::*event, int kind) {
    (report_.*event)(&report_);
    report_.BroadcastEvent(&report_, kind);
}

// One page --------------------------------------------------------------------

void TppEngine::generateOnePage() {
    restorePageState();
    PageHasContent = false;
    pageProgress_ = false;
    // A page that continues a section belongs to the section's report: none
    // of this report's page bands print on it, and the band that holds the
    // section goes on where it stopped.
    sectionStartCarried_ = HasStatus(esSectionStart);
    if (sectionStartCarried_ || HasStatus(esSectionGenerate)) {
        beginPage();
        bandListLoop();
        return;
    }
    beginPage();
    PrintableKinds |= bkHeader;
    generateBandList(blPageStyle, 0, false);
    PrintableKinds &= ~unsigned(bkHeader);
    bool titleEndsPage = false;
    if (IsPrintable(bkTitle)) {
        // A title that ends its page still has the page header below it.
        holdPageEnd_ = true;
        titleEndsPage = generateBandList(blTitle, 0, false);
        holdPageEnd_ = false;
        if (!titleEndsPage)
            PrintableKinds &= ~unsigned(bkTitle);
    }
    if (!pageDone_) {
        PrintableKinds |= bkHeader;
        generateBandList(blHeader, 0, false);
    }
    if (titleEndsPage && !pageDone_) {
        if (topToBottomColumns_)
            savePageState();
        finishPage();
    }
    if (!topToBottomColumns_) {
        std::fill(ColumnOpened.begin(), ColumnOpened.end(), false);
        std::fill(ColumnClosed.begin(), ColumnClosed.end(), false);
    }
    if (pageDone_)
        return;
    if (resumeList_ != blGroupFooter) {
        SyncRecord();
        refreshBreakValues();
    }
    if (resumeList_ == blHeader || resumeList_ == blTitle || resumeList_ == blColumnHeader ||
        resumeList_ == blDetail) {
        resumeList_ = blGroupHeader;
        resumeBand_ = 0;
    } else if (resumeList_ == blGroupHeader) {
        resumeBand_ = 0;
    }
    if (resumeList_ == blGroupFooter && !topToBottomColumns_)
        handleOrphanedFooters();
    bandListLoop();
}

void TppEngine::bandListLoop() {
    bool columnStarted = false;
    // A section that asks for its break on this page ends the page; one that
    // asked on the page before begins here, in the band that holds it.
    while (resumeList_ <= blGroupFooter && !pageDone_ && !StopPrinting &&
           !(HasStatus(esSectionStart) && !sectionStartCarried_)) {
        if (topToBottomColumns_ && (columnDone_ || !columnStarted)) {
            columnDone_ = false;
            columnStarted = true;
            beginColumn();
            if (pageDone_)
                break;
            if (resumeList_ == blGroupFooter) {
                handleOrphanedFooters();
                continue;
            }
            if (resumeList_ == blGroupHeader || resumeList_ == blDetail) {
                generateBandList(blGroupHeader, 0, false);
                resumeList_ = blDetail;
                resumeBand_ = 0;
            }
        }
        if (!columnDone_ && !pageDone_) {
            generateBandList(resumeList_, resumeBand_, true);
            if (!pageDone_ && !(topToBottomColumns_ && columnDone_)) {
                resumeList_ =
                    resumeList_ == blGroupFooter && !DataExhausted ? int(blGroupHeader) : resumeList_ + 1;
                resumeBand_ = 0;
            }
        }
        ProcessMessages();
    }
    if (pageDone_ || StopPrinting)
        return;
    if (DataExhausted && resumeList_ <= blSummary) {
        resumeList_ = blSummary;
        generateBandList(blSummary, resumeBand_, true);
    }
    if (pageDone_ || StopPrinting)
        return;
    // A report without a band to finish it is done once its data is.
    if (!lastBand_ && DataExhausted)
        LastBandDone = true;
    if (topToBottomColumns_)
        finishColumn();
    else
        finishPage();
}

bool TppEngine::generateBandList(int list, int start, bool record, int end) {
    const QList<TppBandEngine*>& bands = lists_[size_t(list)];
    const int last = end < 0 ? int(bands.size()) : std::min(end, int(bands.size()));
    bool outOfSpace = false;
    int index = start;
    for (; index < last && !outOfSpace && !StopPrinting; ++index) {
        TppBandEngine& band = *bands[index];
        currentBand_ = &band;
        band.DrawPage = DrawPage;
        band.GenerateBand();
        const TppBand& model = band.Band();
        if (model.SpaceUsed > 0 && list != blHeader && list != blTitle && list != blColumnHeader &&
            !(list == blGroupHeader &&
              static_cast<const TppGroupHeaderBandEngine&>(band).Group().ReprintOnSubsequentPage()))
            PageHasContent = true;
        if (band.MadeProgress())
            pageProgress_ = true;
        UseSpaceTo(PrintPosition.Bottom);
        outOfSpace = model.OutOfSpace;
        if (outOfSpace && keepTogetherApplies(band)) {
            rollBackKeepTogether();
            record = false;
        }
        if (DataExhausted && &band == lastBand_ && !outOfSpace)
            LastBandDone = true;
        ProcessMessages();
        if (outOfSpace)
            break;
    }
    if (list == blGroupHeader && !outOfSpace)
        PrintableKinds &= ~unsigned(bkTitle | bkHeader | bkColumnHeader);
    if (record) {
        resumeList_ = list;
        resumeBand_ = std::max(0, std::min(index, int(bands.size()) - 1));
    }
    if (outOfSpace && !IsPrintable(bkFooter) && !pageDone_ && !holdPageEnd_) {
        if (topToBottomColumns_)
            finishColumn();
        else
            finishPage();
    }
    return outOfSpace;
}

void TppEngine::UseSpaceTo(int bottom) {
    spaceUsed_ = std::max(spaceUsed_, bottom);
}

void TppEngine::BandDidNotFit(TppBandEngine& band) {
    if (pageProgress_ || IsPrintable(bkFooter) || report_.PrintsInsideAnother())
        return;
    // Nothing on this page will be gone from the next: the band would
    // leave page after page empty.
    ReportError(LanguageStringFmt(kMsgBandDoesNotFit, {band.Band().UserName()}));
}

// Keep together -----------------------------------------------------------------

void TppEngine::PrepareKeepTogether(TppGroup& group) {
    if (!PageHasContent)
        group.SetKeptTogether(true);
    if (!group.KeepTogether() || group.KeptTogether())
        return;
    savePipelineStates();
    report_.SaveKeepTogetherState();
    keptPage_ = std::make_unique<TppPage>();
    keptPage_->Assign(Page());
}

bool TppEngine::keepTogetherApplies(const TppBandEngine& band) const {
    TppGroup* control = keepTogetherGroup_;
    if (!control || !control->KeepTogether() || control->KeptTogether() || !keptPage_)
        return false;
    const int code = band.Band().BandTypeCode();
    if (code == btDetail)
        return true;
    if (code != btGroupHeader && code != btGroupFooter)
        return false;
    return band.Band().GroupIndex() >= control->GroupNo();
}

void TppEngine::rollBackKeepTogether() {
    pipelineStatesRead_ = false;
    report_.RestoreKeepTogetherState();
    if (master_)
        masterState_.applyTo(*master_);
    if (detail_)
        detailState_.applyTo(*detail_);
    pipelineStatesRead_ = false;
    keepTogetherGroup_->SetKeptTogether(true);
    Page().Assign(*keptPage_);
    keptPage_.reset();
}

// Group footers left over from the page before ------------------------------------

void TppEngine::handleOrphanedFooters() {
    const QList<TppBandEngine*>& footers = lists_[blGroupFooter];
    const QList<TppBandEngine*>& headers = lists_[blGroupHeader];
    std::vector<bool> saved;
    for (TppBandEngine* header : headers) {
        auto* groupHeader = static_cast<TppGroupHeaderBandEngine*>(header);
        saved.push_back(groupHeader->Generation());
        groupHeader->SetGeneration(false);
    }
    const int start = std::min(resumeBand_, int(footers.size()) - 1);
    TppGroup* footerGroup = nullptr;
    if (start >= 0) {
        footerGroup = &static_cast<TppGroupFooterBandEngine*>(footers[start])->Group();
        const int last = footerGroup->GroupNo() - (footerGroup->HeaderForOrphanedFooter() ? 0 : 1);
        if (last >= 0)
            generateBandList(blGroupHeader, 0, false, last + 1);
    }
    PrintableKinds &= ~unsigned(bkTitle | bkHeader | bkColumnHeader);
    for (size_t index = 0; index < saved.size(); ++index)
        static_cast<TppGroupHeaderBandEngine*>(headers[qsizetype(index)])->SetGeneration(saved[index]);
    if (pageDone_ || columnDone_)
        return;
    generateBandList(blGroupFooter, std::max(start, 0), true);
    if (pageDone_ || columnDone_)
        return;
    resumeList_ = DataExhausted ? blSummary : blGroupHeader;
    resumeBand_ = 0;
    refreshBreakValues();
    if (!footerGroup || !footerGroup->NewPage())
        SyncRecord();
}

// Pages -------------------------------------------------------------------------

int TppEngine::PageBottom() const {
    const TppPageDef& page = PageDef();
    int bottom = page.mmHeight - page.mmMarginBottom;
    for (int list : {blColumnFooter, blFooter})
        for (const TppBandEngine* band : lists_[size_t(list)])
            if (band->IsVisible())
                bottom -= band->Band().mmHeight();
    return bottom;
}

bool TppEngine::PageIsEmpty() const {
    return PrintPosition.Top <= PageDef().mmMarginTop && CurrentColumn <= 1;
}

bool TppEngine::FitsNextPage(int offset, int height) const {
    if (!pageProgress_)
        return false;
    int top = PageDef().mmMarginTop;
    for (const TppBandEngine* band : lists_[size_t(blHeader)])
        if (band->IsVisible())
            top += band->Band().mmHeight();
    // One unit of slack absorbs the rounding of converted lengths, as the fit test does.
    return top + offset + height <= PageBottom() + 1;
}

void TppEngine::beginPage() {
    if (detailEngine_)
        detailEngine_->Count = 0;
    if (AbsolutePageNo == 1)
        BroadcastEvent(this, ciReportStart);
    fireReportEvent(&TppCustomReport::OnStartPage, ciReportStartPage);
    if (AbsolutePageNo == 1)
        PrintableKinds |= bkDetail;
    const TppPageDef& page = PageDef();
    PrintPosition = {page.mmMarginLeft, page.mmMarginTop, page.mmWidth - page.mmMarginRight,
                     page.mmMarginTop};
    DetailOnPage = false;
    everyColumnStarted_ = false;
    CurrentColumn = 0;
    columnStartTop_ = 0;
    pageDone_ = false;
    columnDone_ = false;
    PageBandCount = 1;
    PageStarted = true;
    if (FirstPass() && AbsolutePageNo > AbsolutePageCount)
        AbsolutePageCount = AbsolutePageNo;
    // A page made again (in the second pass, or asked for alone) starts from the state cached at
    // the end of the page before, where the next set's first page is not known yet: it starts its
    // set here as it did when it was counted, or its header shows the previous set's numbers.
    numberPageSet();
    startPageInfo();
    DrawPage = false;
    writePageInfo();
    handOverPage();
    decideDrawPage();
    for (const auto& band : bandEngines_) {
        band->DrawPage = DrawPage;
        band->PageStarted();
    }
}

// A page that goes on with a section is in the section's page set, as the
// page before was: the copy handed over at its start says so, or a device
// that raises the count of the pages kept before it would raise it outside
// that set, and only once.
void TppEngine::startPageInfo() {
    TppPage& page = Page();
    const bool follows = page.AbsolutePageNo == AbsolutePageNo - 1 && page.AbsolutePageNo > 0;
    const int set = page.ControlGroupBreakNo;
    const int pageNo = page.PageNo + 1;
    const int pageCount = std::max(page.PageCount, pageNo);
    page.ResetPage();
    if (!follows || !HasStatus(esSectionGenerate))
        return;
    page.ControlGroupBreakNo = set;
    page.PageNo = pageNo;
    page.PageCount = pageCount;
}

void TppEngine::finishPage() {
    pageDone_ = true;
    if (!topToBottomColumns_) {
        savePageState();
        if (notifyPending_)
            moveBack();
    }
    for (const auto& band : bandEngines_)
        band->PageEnded();
    if (!IsPrintable(bkFooter) && !SectionOnPage()) {
        PrintableKinds |= bkFooter;
        generateBandList(blFooter, 0, false);
    }
    report_.EndOfPage();
    if (FirstPass() && DataExhausted && LastBandDone && !passes_.firstComplete) {
        passes_.firstComplete = true;
        BroadcastEvent(this, ciReportEnd);
    }
    if (passes_.firstComplete && isLastCountedPage() && DrawPage)
        correctLastPage();
    if (HasStatus(esNoData) && spaceUsed_ > 0)
        noDataAtPageEnd();
    writePageInfo();
    handOverPage();
    BroadcastEvent(this, ciEnginePageSent);
    SetStatus(esSectionEnd, false);
    PrintableKinds &= ~unsigned(bkFooter);
    PageStarted = false;
}

void TppEngine::correctLastPage() {
    removeBandsOffLastPage(Page(), lists_[blHeader], lists_[blFooter]);
}

void TppEngine::decideDrawPage() {
    const TppPassSettingType passes = report_.PassSetting();
    bool draw = false;
    if (passes == psOnePass && FirstPass())
        draw = true;
    else if (passes == psTwoPass && SecondPass())
        draw = true;
    else if (passes == psTwoPass && FirstPass())
        draw = AbsolutePageNo == firstPassDrawPage_;
    if (!(draw && publisher_ && publisher_->LastPageKnown())) {
        switch (cursor_->Setting()) {
        case psPageList:
        case psSinglePage:
            draw = AbsolutePageNo == cursor_->TargetPage(progress());
            break;
        case psFirstPage:
            draw = AbsolutePageNo == 1;
            break;
        case psLastPage:
            draw = passes_.firstComplete && isLastCountedPage();
            break;
        case psAll:
        case psPageRange:
            break;
        }
    }
    DrawPage = draw;
}

void TppEngine::numberPageSet() {
    if (resumeList_ == blGroupFooter || resumeList_ == blSummary)
        return;
    for (TppGroup* group : report_.Groups()) {
        if (!group->ResetPageNo())
            continue;
        const auto* header = static_cast<const TppGroupHeaderBandEngine*>(BandEngine(group->HeaderBand()));
        const bool due = header && header->Generation() && !header->Continuing();
        if (IsPrintable(bkTitle) || due)
            group->SetFirstPageNo(AbsolutePageNo);
    }
}

void TppEngine::updatePageNumbers() {
    const bool titlePage = AbsolutePageNo == 1 && !lists_[blTitle].isEmpty() &&
                           static_cast<const TppReportBand&>(lists_[blTitle].first()->Band()).NewPage();
    if (!controlGroup_ || !report_.Printing() || titlePage) {
        PageNo = AbsolutePageNo;
        PageCount = controlGroup_ && titlePage ? 1 : AbsolutePageCount;
        return;
    }
    const int first = controlGroup_->FirstPageNo();
    // A set's last page is the highest page counted while it was current.
    if (FirstPass()) {
        int& last = setLastPage_[first];
        last = std::max(last, AbsolutePageNo);
        setBreakNo_.try_emplace(first, controlGroup_->BreakNo());
    }
    controlGroup_->SetLastPageNo(std::max(setLastPage_[first], AbsolutePageNo));
    PageNo = AbsolutePageNo - first + 1;
    PageCount = controlGroup_->LastPageNo() - first + 1;
    pageSetStart_ = first;
}

void TppEngine::writePageInfo() {
    updatePageNumbers();
    TppPage& page = Page();
    page.AbsolutePageNo = AbsolutePageNo;
    page.AbsolutePageCount = AbsolutePageCount;
    // A section's page is numbered by its subreport: on in this report's
    // numbers, or from 1 in a page set of its own.
    const bool section = SectionOnPage();
    if (controlGroup_ && !section) {
        const auto found = setBreakNo_.find(pageSetStart_);
        page.ControlGroupBreakNo = found != setBreakNo_.end() ? found->second : controlGroup_->BreakNo();
    }
    page.DocumentName = report_.PrinterSetup().DocumentName();
    page.FirstPage = AbsolutePageNo == 1;
    page.LanguageIndex = report_.LanguageIndex;
    page.LastPage = LastBandDone && isLastCountedPage();
    page.PassSetting = report_.PassSetting();
    if (!section) {
        page.PageNo = PageNo;
        page.PageCount = PageCount;
    }
    page.PrintDateTime = PrintDateTime;
    page.Final = (report_.PassSetting() == psOnePass && FirstPass()) ||
                 (report_.PassSetting() == psTwoPass && SecondPass() && DrawPage);
    page.Calculation = !DrawPage;
}

void TppEngine::handOverPage() {
    if (publisher_)
        publisher_->AcceptPage(Page());
}

// Columns, top to bottom ------------------------------------------------------------

int TppEngine::ColumnLeft(int column) {
    const TppPageDef& page = PageDef();
    if (report_.ColumnPositions.isEmpty())
        return page.mmMarginLeft + column * report_.mmColumnWidth();
    const QString columnNo = QString::number(column + 1);
    if (column >= report_.ColumnPositions.size())
        ReportError(LanguageStringFmt(kMsgColumnNotFound, {columnNo}));
    bool ok = false;
    const float position = report_.ColumnPositions[column].trimmed().toFloat(&ok);
    if (!ok)
        ReportError(LanguageStringFmt(kMsgColumnNotConverted, {columnNo}));
    return UnitsToMM(position, report_.Units(), Axis::Horizontal);
}

void TppEngine::beginColumn() {
    if (HasStatus(esTitle) || HasStatus(esSummary))
        return;
    if (CurrentColumn == 0)
        columnStartTop_ = PrintPosition.Top;
    if (CurrentColumn >= ColumnCount())
        return;
    ++CurrentColumn;
    const TppPageDef& page = PageDef();
    const int right = page.mmWidth - page.mmMarginRight;
    int left = 0;
    bool fits = false;
    if (report_.ColumnPositions.isEmpty()) {
        left = page.mmMarginLeft + (CurrentColumn - 1) * report_.mmColumnWidth();
        fits = left + report_.mmColumnWidth() <= right;
    } else if (CurrentColumn <= report_.ColumnPositions.size()) {
        left = ColumnLeft(CurrentColumn - 1);
        fits = left <= right;
    }
    if (!fits || everyColumnStarted_)
        return;
    PrintPosition = {left, columnStartTop_, right, columnStartTop_};
    fireReportEvent(&TppCustomReport::OnStartColumn, ciReportStartColumn);
    PrintableKinds |= bkColumnHeader;
    PageHasContent = false;
    generateBandList(blColumnHeader, 0, false);
    if (CurrentColumn == ColumnCount())
        everyColumnStarted_ = true;
}

bool TppEngine::pageEndsAfterColumn() const {
    if (CurrentColumn >= ColumnCount() || HasStatus(esSectionStart))
        return true;
    if (DataExhausted && resumeList_ > blGroupFooter)
        return true;
    const TppPageDef& page = PageDef();
    const int right = page.mmWidth - page.mmMarginRight;
    if (report_.ColumnPositions.isEmpty()) {
        const int nextLeft = page.mmMarginLeft + CurrentColumn * report_.mmColumnWidth();
        if (nextLeft + report_.mmColumnWidth() > right)
            return true;
    } else if (CurrentColumn >= report_.ColumnPositions.size()) {
        return true;
    }
    if (currentBand_ && currentBand_->Band().BandTypeCode() == btGroupHeader) {
        const TppGroup& group = static_cast<const TppGroupHeaderBandEngine*>(currentBand_)->Group();
        if (group.NewPage() && !group.NewColumn())
            return true;
        if (currentBand_->Band().OutOfSpace && group.mmNewPageThreshold() != 0 &&
            group.mmNewColumnThreshold() == 0)
            return true;
    }
    return false;
}

void TppEngine::finishColumn() {
    columnDone_ = true;
    const bool pageEnds = pageEndsAfterColumn();
    if (pageEnds)
        savePageState();
    if (notifyPending_) {
        moveBack();
        if (!pageEnds)
            AdvancePending = true;
    }
    const bool titleOrSummary = HasStatus(esTitle) || HasStatus(esSummary);
    if (!(titleOrSummary && detailEngine_ && detailEngine_->Count == 0)) {
        PrintableKinds |= bkColumnFooter;
        generateBandList(blColumnFooter, 0, false);
        fireReportEvent(&TppCustomReport::OnEndColumn, ciReportEndColumn);
        PrintableKinds &= ~unsigned(bkColumnFooter);
    }
    if (pageEnds) {
        PrintPosition.Left = PageDef().mmMarginLeft;
        // The state is saved already; finishPage saves only without columns.
        finishPage();
    }
}

void TppEngine::GenerateColumnBands(TppBandList list) {
    generateBandList(list, 0, false);
}

void TppEngine::FireColumnEvent(bool start) {
    if (start)
        fireReportEvent(&TppCustomReport::OnStartColumn, ciReportStartColumn);
    else
        fireReportEvent(&TppCustomReport::OnEndColumn, ciReportEndColumn);
}

// Records -------------------------------------------------------------------------

void TppEngine::RequestNextRecord() {
    PrintableKinds &= ~unsigned(bkGroupHeader | bkColumnHeader | bkHeader);
    PrintableKinds |= bkDetail;
    if (DataExhausted)
        return;
    pageProgress_ = true;
    // Without a pipeline the one record there is has been printed.
    if (!master_) {
        FinishData();
        return;
    }
    advancePipelines(true);
    if (master_->AtEOF()) {
        DataExhausted = true;
        PrintableKinds |= bkGroupFooter | bkSummary;
        master_->Last();
    } else if (IsPrintable(bkGroupFooter)) {
        moveBack();
    } else {
        notifyPending_ = true;
    }
}

void TppEngine::FinishData() {
    DataExhausted = true;
    PrintableKinds |= bkGroupFooter | bkSummary;
}

void TppEngine::advancePipelines(bool checkBreaks) {
    if (!master_)
        return;
    TppDataPipeline* moved = master_;
    if (!detail_) {
        master_->Next();
    } else {
        if (!detail_->AtEOF() && !detail_->HasState(NoRecords))
            detail_->Next();
        if (detail_->AtEOF() || detail_->HasState(NoRecords)) {
            master_->Next();
            detail_->First();
        } else {
            moved = detail_;
        }
    }
    masterMoved_ = moved == master_;
    detailMoved_ = moved == detail_ || (detail_ && masterMoved_);
    if (checkBreaks)
        checkGroupBreaks(moved);
}

void TppEngine::checkGroupBreaks(TppDataPipeline* moved) {
    const QList<TppGroup*>& groups = report_.Groups();
    qsizetype first = -1;
    std::vector<bool> broke(size_t(groups.size()), false);
    for (qsizetype index = groups.size() - 1; index >= 0; --index) {
        TppGroup* group = groups[index];
        if (group->DataPipeline() && group->DataPipeline() == moved && moved->AtEOF()) {
            broke[size_t(index)] = false;
            first = index;
            continue;
        }
        group->CheckForBreak();
        if (group->BreakValue() != group->PriorValue() ||
            (group->DataPipeline() && group->DataPipeline()->HasState(NoRecords))) {
            broke[size_t(index)] = true;
            first = index;
        }
    }
    if (first < 0)
        return;
    bool newPageBroke = false;
    for (qsizetype index = first; index < groups.size(); ++index) {
        TppGroup* group = groups[index];
        if (!broke[size_t(index)])
            group->Break();
        auto* header = static_cast<TppGroupHeaderBandEngine*>(BandEngine(group->HeaderBand()));
        if (newPageBroke && header)
            header->AlreadyPageBreak = true;
        newPageBroke = newPageBroke || group->NewPage();
    }
    PrintableKinds |= bkGroupHeader | bkGroupFooter;
}

void TppEngine::movePipelineBack(TppDataPipeline& pipeline) {
    if (pipeline.AtEOF())
        pipeline.Last();
    else
        pipeline.Prior();
}

void TppEngine::moveBack() {
    if (!master_)
        return;
    if (!detail_) {
        movePipelineBack(*master_);
        return;
    }
    const bool usable = !detail_->AtBOF() && !detail_->HasState(NoRecords);
    if (usable && !detail_->AtEOF()) {
        detail_->Prior();
    } else if (detail_->AtEOF() && !detail_->HasState(NoRecords)) {
        detail_->Last();
    } else {
        if (!master_->AtBOF() && !master_->HasState(NoRecords))
            movePipelineBack(*master_);
        detail_->Last();
    }
}

void TppEngine::SyncRecord() {
    if (!AdvancePending && !notifyPending_)
        return;
    if (AdvancePending) {
        AdvancePending = false;
        notifyPending_ = false;
        advancePipelines(false);
        traversalNotification();
        if (!IsPrintable(bkSummary))
            PrintableKinds &= ~unsigned(bkGroupFooter);
        PrintableKinds |= bkDetail | bkGroupHeader;
    } else {
        notifyPending_ = false;
        traversalNotification();
    }
    refreshBreakValues();
}

void TppEngine::traversalNotification() {
    for (TppDataPipeline* pipeline : {masterMoved_ ? master_ : nullptr, detailMoved_ ? detail_ : nullptr})
        if (pipeline) {
            pipeline->OnTraversal(pipeline);
            pipeline->BroadcastEvent(pipeline, ciPipelineTraversal);
        }
    BroadcastEvent(this, ciEngineTraversal);
}

void TppEngine::refreshBreakValues() {
    for (TppGroup* group : report_.Groups())
        group->RefreshBreakValue();
}

// The page state cache ----------------------------------------------------------------

void TppEngine::savePipelineStates() {
    if (master_) {
        masterState_.release(*master_);
        masterState_ = PipelineState::of(*master_);
    }
    if (detail_) {
        detailState_.release(*detail_);
        detailState_ = PipelineState::of(*detail_);
    }
}

void TppEngine::releasePipelineStates() {
    if (master_)
        masterState_.release(*master_);
    if (detail_)
        detailState_.release(*detail_);
    masterState_ = PipelineState();
    detailState_ = PipelineState();
}

void TppEngine::savePageState() {
    if (passes_.firstComplete)
        return;
    savePipelineStates();
    if (AbsolutePageNo == 0 || AbsolutePageNo > report_.CachedPageCount())
        report_.SavePageState(AbsolutePageNo);
}

void TppEngine::restorePageState() {
    pipelineStatesRead_ = false;
    report_.RestorePageState(AbsolutePageNo - 1);
    if (!pipelineStatesRead_)
        return;
    pipelineStatesRead_ = false;
    if (master_)
        masterState_.applyTo(*master_);
    if (detail_)
        detailState_.applyTo(*detail_);
}

void TppEngine::CacheFields(CacheRecord& record) {
    TppCustomEngine::CacheFields(record);
    constexpr unsigned kept = esStarted | esNoData | esTitle | esSummary | esSectionStart | esSectionGenerate;
    int status = int(Status & kept);
    int kinds = int(PrintableKinds);
    record.field(AdvancePending);
    record.field(everyColumnStarted_);
    record.field(DataExhausted);
    record.field(resumeList_);
    record.field(resumeBand_);
    record.field(notifyPending_);
    record.field(ReportBandCount);
    record.field(masterMoved_);
    record.field(detailMoved_);
    record.field(status);
    record.field(kinds);
    masterState_.CacheFields(record);
    detailState_.CacheFields(record);
    for (const auto& band : bandEngines_)
        band->CacheFields(record);
    if (record.isUnpacking()) {
        Status = (Status & ~kept) | (unsigned(status) & kept);
        PrintableKinds = unsigned(kinds);
        pipelineStatesRead_ = true;
    }
}

// No data ------------------------------------------------------------------------------

void TppEngine::noDataAtRunStart() {
    const unsigned behaviors = report_.NoDataBehaviors();
    if (behaviors & bit(ndBlankPage)) {
        requestServed_ = true;
        LastBandDone = true;
    }
    TppCustomNoDataDialog* dialog = nullptr;
    if (behaviors & bit(ndMessageDialog))
        dialog = report_.CreateNoDataDialog();
    bool showDialog = !SecondPass();
    bool addCommand = false;
    report_.OnNoData(&report_, dialog, showDialog, nullptr, addCommand);
    TppEventParams params{showDialog, addCommand};
    report_.BroadcastEvent(&report_, ciReportNoData, &params);
    showDialog = params.value(0).toBool();
    if (dialog && showDialog)
        dialog->ShowModal();
    delete dialog;
    if (report_.PassSetting() == psTwoPass)
        passes_.fired |= TppPassState::StartSecond;
}

void TppEngine::noDataAtPageEnd() {
    const unsigned behaviors = report_.NoDataBehaviors();
    if (!(behaviors & bit(ndBlankReport)))
        return;
    TppDrawText* message = nullptr;
    bool addCommand = false;
    if (behaviors & bit(ndMessageOnPage)) {
        message = makeNoDataMessage(PageDef(), spaceUsed_);
        addCommand = true;
    }
    TppCustomNoDataDialog* dialog = nullptr;
    bool showDialog = false;
    if (behaviors & bit(ndMessageDialog)) {
        dialog = report_.CreateNoDataDialog();
        showDialog = !SecondPass();
    }
    report_.OnNoData(&report_, dialog, showDialog, message, addCommand);
    TppEventParams params{showDialog, addCommand};
    report_.BroadcastEvent(&report_, ciReportNoData, &params);
    showDialog = params.value(0).toBool();
    addCommand = params.value(1).toBool();
    if (dialog && showDialog)
        dialog->ShowModal();
    delete dialog;
    if (message && addCommand)
        Page().AddDrawCommand(message);
    else
        delete message;
}

// The report -------------------------------------------------------------------------

void TppEngine::ProcessMessages() {
    report_.ProcessMessages();
}

void TppEngine::ReportError(const QString& message) {
    StopPrinting = true;
    throw EPrintError(LanguageString(kMsgCannotGenerate) + QStringLiteral("\n\n") + message);
}
