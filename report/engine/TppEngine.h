#pragma once

#include "BandHost.h"
#include "GenerationCodes.h"
#include "PageRequestCursor.h"
#include "PipelineState.h"
#include "TppBandEngine.h"
#include "TppCustomEngine.h"
#include "TppCustomReport.h"

#include <array>
#include <map>
#include <memory>
#include <vector>

class TppBandedReport;
class TppDataPipeline;
class TppDetailBandEngine;
class TppGroup;

// Turns a banded report into pages. For each page request it walks the
// report's band lists in their fixed order (page style, title, header,
// column headers, group headers, detail, group footers, summary, column
// footers, footer), lets every band decide through its band engine whether
// and where it prints, advances the data pipelines record by record, flows
// the detail into columns, numbers the pages and the page sets of groups,
// runs one or two passes and hands every page to the publisher.
//
// A run begins with the first request after a reset and lasts across
// requests: the state at the end of every page is kept in the report's page
// state cache, so a later request regenerates only the pages it needs,
// starting from the state saved for the page before.
class TppEngine : public TppCustomEngine, public BandHost {
public:
    explicit TppEngine(TppBandedReport& report);
    ~TppEngine() override;

    void GeneratePages(TppPageRequest& request, TppPublisher& publisher) override;
    // Ends the run: the next request starts from page 1 with a fresh cache.
    void Reset() override;
    // The pages from `page` on are made again by the next request (the
    // layout of what follows changed): their saved states go, and the run
    // counts its pages anew from there. A two-pass run starts over.
    void RegenerateFrom(int page);
    // Disconnects the master, detail and lookup pipelines and closes those the engine opened.
    void ClosePipelines() override;
    void PageLimitReached() override;
    // A pipeline or band freed: the engine lets go of it; a run that used
    // a freed band ends.
    void Notify(TppCommunicator* sender, int operation) override;

    TppBandedReport& Report() const override { return report_; }
    const TppPageDef& PageDef() const override;

    // The state of the page being generated.
    unsigned PrintableKinds = 0;
    unsigned Status = 0;
    bool PageHasContent = false;
    bool DetailOnPage = false;
    bool DataExhausted = false;
    bool LastBandDone = false;
    bool AdvancePending = false;
    bool DrawPage = false;
    // A GeneratePages call is running.
    bool Generating() const { return generating_; }
    // The lowest page position the bands of the page reached.
    int SpaceUsedOnPage() const { return spaceUsed_; }
    // Left to right: which columns have had their header and footer.
    std::vector<bool> ColumnOpened;
    std::vector<bool> ColumnClosed;

    // A box `offset` below the top of the body of a page that holds only its headers, `height`
    // high, fits there, and this page has already moved the report on.
    bool FitsNextPage(int offset, int height) const;
    // Nothing has been placed on the page yet: a section may begin on it.
    bool PageIsEmpty() const;
    // The page being made holds a section's page (generating or ending).
    bool SectionOnPage() const { return (Status & (esSectionGenerate | esSectionEnd)) != 0; }

    TppBandEngine* BandEngine(const TppBand* band) const;
    // The band being generated (the last one generated while no request
    // runs), and the one whose generation ends the report (the last
    // summary, else the last footer, else the detail); none before a run.
    const TppBand* CurrentBand() const { return currentBand_ ? &currentBand_->Band() : nullptr; }
    const TppBand* LastBand() const { return lastBand_ ? &lastBand_->Band() : nullptr; }

    // What the band engines see (BandHost).
    TppPage& Page() override { return TppCustomEngine::Page(); }
    TppPrintRect& Position() override { return PrintPosition; }
    // The paper height less the bottom margin and the visible column
    // footer and footer bands: the lowest position a body band may reach.
    int PageBottom() const override;
    void UseSpaceTo(int bottom) override;
    int PageNumber() const override { return AbsolutePageNo; }
    int PagesCounted() const override { return AbsolutePageCount; }
    void CountBand(bool newInReport) override;
    bool FirstPass() const override { return TppCustomEngine::FirstPass(); }
    bool SecondPass() const override { return TppCustomEngine::SecondPass(); }
    bool FirstPassComplete() const override { return passes_.firstComplete; }
    bool Stopped() const override { return StopPrinting; }
    bool IsPrintable(unsigned kinds) const override { return (PrintableKinds & kinds) != 0; }
    void SetPrintable(unsigned kinds, bool on) override;
    bool HasStatus(TppEngineStatus status) const override { return (Status & status) != 0; }
    void SetStatus(TppEngineStatus status, bool on) override;
    bool LastBandGenerated() const override { return LastBandDone; }
    bool DataDone() const override { return DataExhausted; }
    void SyncRecord() override;
    void RequestNextRecord() override;
    void RequestAdvance() override { AdvancePending = true; }
    void FinishData() override;
    bool DetailOnThisPage() const override { return DetailOnPage; }
    bool PageHasBody() const override { return PageHasContent; }
    void NoteDetailPrinted() override { DetailOnPage = PageHasContent = true; }
    int ColumnCount() const override;
    bool TopToBottomColumns() const override { return topToBottomColumns_; }
    int Column() const override { return CurrentColumn; }
    void SetColumn(int column) override { CurrentColumn = column; }
    int ColumnLeft(int column) override;
    bool IsColumnOpened(int column) const override { return ColumnOpened[size_t(column)]; }
    void MarkColumnOpened(int column) override { ColumnOpened[size_t(column)] = true; }
    bool IsColumnClosed(int column) const override { return ColumnClosed[size_t(column)]; }
    void MarkColumnClosed(int column) override { ColumnClosed[size_t(column)] = true; }
    // Generates the report's column header or footer bands (left-to-right columns).
    void GenerateColumnBands(TppBandList list) override;
    void FireColumnEvent(bool start) override;
    // The outermost group that starts its pages anew and numbers them from 1.
    TppGroup* ControlGroup() const override { return controlGroup_; }
    TppGroup* ControlKeepTogetherGroup() const override { return keepTogetherGroup_; }
    // Keep-together: the control group's header is due on this page.
    void PrepareKeepTogether(TppGroup& group) override;
    // A body band that did not fit on a page that holds nothing it can give
    // way to: it never will.
    void BandDidNotFit(TppBandEngine& band) override;
    [[noreturn]] void ReportError(const QString& message) override;
    void ProcessMessages() override;

protected:
    // The engine's record in the page state cache: its flags, the resume
    // position, the printable kinds, the pipelines' places and every band
    // engine's state. The pipelines are put back when the page starts.
    void CacheFields(CacheRecord& record) override;

private:
    void startReportRun();
    void openPipelines();
    void openPipeline(TppDataPipeline& pipeline);
    bool reportHasData() const;
    void initGroups();
    void buildBandLists();
    void generateRun(TppPageRequest& request);
    void generateOnePage();
    void bandListLoop();
    // Generates the bands [start, end) of a list; `record` keeps the place
    // reached as the resume position. Answers whether a band ended
    // OutOfSpace, which ends the page or column.
    bool generateBandList(int list, int start, bool record, int end = -1);
    bool keepTogetherApplies(const TppBandEngine& band) const;
    void rollBackKeepTogether();
    void handleOrphanedFooters();
    void beginPage();
    void startPageInfo();
    void finishPage();
    void beginColumn();
    void finishColumn();
    bool pageEndsAfterColumn() const;
    void determinePass();
    void endPassCheck();
    void decideDrawPage();
    void numberPageSet();
    void updatePageNumbers();
    void writePageInfo();
    void handOverPage();
    void correctLastPage();
    void savePipelineStates();
    void savePageState();
    void restorePageState();
    void advancePipelines(bool checkBreaks);
    void checkGroupBreaks(TppDataPipeline* moved);
    void moveBack();
    static void movePipelineBack(TppDataPipeline& pipeline);
    void traversalNotification();
    void refreshBreakValues();
    void noDataAtRunStart();
    void noDataAtPageEnd();
    void fireReportEvent(TppNotifyEvent TppCustomReport::*event, int kind);
    void releasePipelineStates();
    PageRequestCursor::Progress progress() const;
    bool isLastCountedPage() const { return AbsolutePageNo == AbsolutePageCount; }

    TppBandedReport& report_;
    TppPublisher* publisher_ = nullptr;
    std::unique_ptr<PageRequestCursor> cursor_;
    int firstPassDrawPage_ = 0;
    bool generating_ = false;

    // The bands, by list; one band engine per band, made at run start.
    std::array<QList<TppBandEngine*>, blCount> lists_;
    std::vector<std::unique_ptr<TppBandEngine>> bandEngines_;
    TppDetailBandEngine* detailEngine_ = nullptr;
    TppBandEngine* lastBand_ = nullptr;
    TppBandEngine* currentBand_ = nullptr;
    int resumeList_ = blTitle;
    int resumeBand_ = 0;

    // Pipelines.
    TppDataPipeline* master_ = nullptr;
    TppDataPipeline* detail_ = nullptr;
    QList<TppDataPipeline*> lookups_;
    // The pipelines this engine opened (they were closed), which it closes when the job ends.
    QList<TppDataPipeline*> opened_;
    bool masterMoved_ = false;
    bool detailMoved_ = false;
    bool notifyPending_ = false;
    Bookmark openingBookmark_;
    PipelineState masterState_;
    PipelineState detailState_;
    bool pipelineStatesRead_ = false;

    // The run.
    bool mainStarted_ = false;
    bool topToBottomColumns_ = false;
    bool requestServed_ = false;
    bool pageDone_ = false;
    bool holdPageEnd_ = false;
    bool columnDone_ = false;
    bool everyColumnStarted_ = false;
    int columnStartTop_ = 0;
    int spaceUsed_ = 0;
    TppGroup* controlGroup_ = nullptr;
    TppGroup* keepTogetherGroup_ = nullptr;
    // Whether anything but what every page repeats has printed on this
    // page: a page without it that cannot fit its next band would repeat
    // without end.
    bool pageProgress_ = false;
    // The page began with a section's break pending from the page before.
    bool sectionStartCarried_ = false;

    // Page sets of the control group: by the page where a set starts, its
    // last page and the group instance it belongs to.
    std::map<int, int> setLastPage_;
    std::map<int, int> setBreakNo_;
    int pageSetStart_ = 1;

    // Keep-together: the page as it was when the control group's header was due.
    std::unique_ptr<TppPage> keptPage_;
};
