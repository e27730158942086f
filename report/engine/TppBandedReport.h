#pragma once

#include "TppCacheManager.h"
#include "TppCustomReport.h"
#include "TppEngine.h"

#include <functional>

class Clock;
class TppBand;
class TppCustomNoDataDialog;

// A report whose layout is a set of bands: it names the bands by their
// place on the page, so users and scripts reach "the header" or "the
// detail" without searching the band list. Its pages come from a TppEngine,
// which keeps the state at the end of every page in the report's page state
// cache.
class TppBandedReport : public TppCustomReport {
public:
    PW_CLASS_INFO

    explicit TppBandedReport(OwnedComponent* owner = nullptr);
    ~TppBandedReport() override;

    TppBand* TitleBand() const { return GetBand(btTitle); }
    TppBand* HeaderBand() const { return GetBand(btHeader); }
    TppBand* ColumnHeaderBand() const { return GetBand(btColumnHeader); }
    TppBand* DetailBand() const { return GetBand(btDetail); }
    TppBand* ColumnFooterBand() const { return GetBand(btColumnFooter); }
    TppBand* FooterBand() const { return GetBand(btFooter); }
    TppBand* SummaryBand() const { return GetBand(btSummary); }
    TppBand* PageStyleBand() const { return GetBand(btPageStyle); }
    TppBand* GroupHeaderBand(int groupIndex) const { return GetBand(btGroupHeader, groupIndex); }
    TppBand* GroupFooterBand(int groupIndex) const { return GetBand(btGroupFooter, groupIndex); }

    TppEngine* BandedEngine() { return static_cast<TppEngine*>(Engine()); }

    // Generation lets pending window messages through at most every
    // MessageInterval milliseconds of the clock, through MessagePump (by
    // default the application's event loop, on its own thread only).
    void SetClock(const Clock* clock);
    const Clock& GenerationClock() const;
    QDateTime Now() const;
    std::function<void()> MessagePump;
    int MessageInterval = 100;
    void ProcessMessages() override;
    bool GenerationStopped() const override;
    bool PageHasContent() const override;
    // Whether a box `height` high, `offset` below its band's top, would fit whole on the next page
    // after something that moves the report on (a title) was placed on this one.
    bool FitsNextPage(int offset, int height) const;
    // The page being generated is one the page cache has never held.
    bool GeneratingNewPage() const;
    // Whether the header and footer bands print: a report printed inside
    // another's band has no pages of its own.
    virtual bool PrintsPageBands() const { return true; }
    // Whether the pages are boxes on another report's pages: a band that
    // does not fit one waits for the parent's next page instead of failing.
    virtual bool PrintsInsideAnother() const { return false; }

    // The layout, data or output changed: the pages are made anew, from page 1.
    void Reset() override;
    // The report's pipeline closing outside generation: the cached pages hold data that is gone.
    void EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) override;

    // The dialog that tells a user there is no data: the registered one, or none.
    TppCustomNoDataDialog* CreateNoDataDialog();

    // The page state cache, as the engine drives it: the engine, the groups,
    // the bands and their components keep their state per page there.
    TppCacheManager& PageCache() { return pageCache_; }
    void ResetPageCache();
    void SavePageState(int page);
    void RestorePageState(int page);
    // Pages whose end state is saved.
    int CachedPageCount() const;
    // The state when a group kept together started, to return to when it does not fit.
    void SaveKeepTogetherState();
    void RestoreKeepTogetherState();

protected:
    TppCustomEngine* CreateEngine() override;

private:
    void pumpMessages();

    const Clock* clock_ = nullptr;
    qint64 lastPump_ = -1;
    TppCacheManager pageCache_;
    TppCacheManager keepTogetherCache_;
};
