#pragma once

#include "GenerationCodes.h"
#include "TppPageDef.h"
#include "TppPrintRect.h"

class QString;
class TppBandEngine;
class TppBandedReport;
class TppGroup;
class TppPage;

// What a band engine sees of the engine that runs it: the page being filled and where the next
// band goes on it, the page numbers and passes, which band kinds may print, the columns, and the
// few things a band asks the engine to do. TppEngine implements it; band engines know nothing
// else of the engine, so that what they may change is written down here.
class BandHost {
public:
    virtual ~BandHost() = default;

    // The report being generated, for its settings.
    virtual TppBandedReport& Report() const = 0;

    // The page being filled and the free area of it: its top is where the next band goes.
    virtual TppPage& Page() = 0;
    virtual const TppPageDef& PageDef() const = 0;
    virtual TppPrintRect& Position() = 0;
    // The lowest position a body band may reach on this page.
    virtual int PageBottom() const = 0;
    // Something reaches down to `bottom` on the page.
    virtual void UseSpaceTo(int bottom) = 0;
    virtual int PageNumber() const = 0;
    // The pages counted so far; all of them once the first pass is complete.
    virtual int PagesCounted() const = 0;
    // A band printed; `newInReport` unless it goes on from an earlier page.
    virtual void CountBand(bool newInReport) = 0;

    // The run: the passes, the band kinds that may print and what the engine is doing.
    virtual bool FirstPass() const = 0;
    virtual bool SecondPass() const = 0;
    virtual bool FirstPassComplete() const = 0;
    virtual bool Stopped() const = 0;
    virtual bool IsPrintable(unsigned kinds) const = 0;
    virtual void SetPrintable(unsigned kinds, bool on) = 0;
    virtual bool HasStatus(TppEngineStatus status) const = 0;
    virtual void SetStatus(TppEngineStatus status, bool on) = 0;
    // The last band of the report has printed.
    virtual bool LastBandGenerated() const = 0;

    // The records.
    virtual bool DataDone() const = 0;
    virtual void SyncRecord() = 0;
    virtual void RequestNextRecord() = 0;
    // The next page starts with the next record (a group footer closed the page).
    virtual void RequestAdvance() = 0;
    // AutoStop: the report ends after its first detail band.
    virtual void FinishData() = 0;

    // What this page holds so far.
    virtual bool DetailOnThisPage() const = 0;
    virtual bool PageHasBody() const = 0;
    // A detail band printed on this page.
    virtual void NoteDetailPrinted() = 0;

    // Columns: their number and order, the current one, and which have had their header and
    // footer (left to right).
    virtual int ColumnCount() const = 0;
    virtual bool TopToBottomColumns() const = 0;
    virtual int Column() const = 0;
    virtual void SetColumn(int column) = 0;
    // The left edge of column n (from 0); raises the report's error for an unusable position.
    virtual int ColumnLeft(int column) = 0;
    virtual bool IsColumnOpened(int column) const = 0;
    virtual void MarkColumnOpened(int column) = 0;
    virtual bool IsColumnClosed(int column) const = 0;
    virtual void MarkColumnClosed(int column) = 0;
    virtual void GenerateColumnBands(TppBandList list) = 0;
    virtual void FireColumnEvent(bool start) = 0;

    // Groups: the one that starts page sets, and keep-together.
    virtual TppGroup* ControlGroup() const = 0;
    virtual TppGroup* ControlKeepTogetherGroup() const = 0;
    virtual void PrepareKeepTogether(TppGroup& group) = 0;

    // A body band that did not fit on a page that holds nothing it can give way to.
    virtual void BandDidNotFit(TppBandEngine& band) = 0;
    // The report's error routine: generation stops and EPrintError is raised.
    [[noreturn]] virtual void ReportError(const QString& message) = 0;
    // Lets pending window messages through; the report decides how often.
    virtual void ProcessMessages() = 0;

protected:
    BandHost() = default;
    BandHost(const BandHost&) = default;
    BandHost& operator=(const BandHost&) = default;
};
