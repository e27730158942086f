#pragma once

#include "TppCacheable.h"
#include "TppPage.h"
#include "TppPrintRect.h"

#include <QDateTime>
#include <functional>

class TppPageRequest;
class TppPublisher;

// Where a run stands in its passes, kept in this one place: the pass the page being made belongs
// to (none once that pass has ended), whether the first pass has reached the end of the report
// (the page count is known), and which pass events the run has fired, so that each fires once.
struct TppPassState {
    enum class Pass { None, First, Second };
    enum Event : unsigned { StartFirst = 1, EndFirst = 2, StartSecond = 4, EndSecond = 8 };

    Pass current = Pass::None;
    bool firstComplete = false;
    unsigned fired = 0;

    // Marks the event fired; false when it had fired before.
    bool fire(Event event) {
        const bool fresh = (fired & event) == 0;
        fired |= event;
        return fresh;
    }
};

// The generation engine as its report sees it: the page being filled, the
// page numbers, the passes, the stop flag. The engine layer implements the
// generation; each finished page goes to the publisher's AcceptPage.
class TppCustomEngine : public TppCacheable {
public:
    explicit TppCustomEngine(OwnedComponent* owner = nullptr);
    ~TppCustomEngine() override;

    TppPage& Page() { return *page_; }
    // The free area of the page: its top is where the next band goes.
    TppPrintRect PrintPosition;
    bool PageStarted = false;
    int AbsolutePageNo = 0;
    int AbsolutePageCount = 0;
    int PageNo = 0;
    int PageCount = 0;
    int CurrentColumn = 0;
    unsigned PrintConditions = 0;
    bool StopPrinting = false;
    QDateTime PrintDateTime;
    int ReportBandCount = 0;
    int PageBandCount = 0;
    bool GenerationCompleted = false;
    // Set while generating; a request arriving meanwhile is not served again.
    bool Printing = false;

    // Generates the pages the request asks for, handing each to the publisher.
    virtual void GeneratePages(TppPageRequest& request, TppPublisher& publisher) = 0;
    // Forgets every page made, so that the next request starts afresh.
    virtual void Reset();
    // The report's job has ended: the pipelines the engine opened are closed again.
    virtual void ClosePipelines() {}
    // The report's PageLimit is reached at the end of the current page.
    virtual void PageLimitReached() { StopPrinting = true; }
    bool Busy() const { return Printing; }

    // The pass the page being made belongs to.
    const TppPassState& Passes() const { return passes_; }
    bool FirstPass() const { return passes_.current == TppPassState::Pass::First; }
    bool SecondPass() const { return passes_.current == TppPassState::Pass::Second; }

    // Installed by the report: the end of each page.
    std::function<void()> OnReportEndPage;

protected:
    TppPassState passes_;

private:
    std::unique_ptr<TppPage> page_;
};
