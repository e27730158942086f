#include "TppReportBandEngine.h"

#include "BandHost.h"
#include "TppGroup.h"
#include "TppReportBand.h"

TppReportBandEngine::TppReportBandEngine(TppReportBand& band, BandHost& engine)
    : TppBandEngine(band, engine), reportBand_(band) {}

bool TppReportBandEngine::isSummary() const {
    return band_.BandTypeCode() == btSummary;
}

TppEngineStatus TppReportBandEngine::status() const {
    return isSummary() ? esSummary : esTitle;
}

unsigned TppReportBandEngine::KindCodes() const {
    return isSummary() ? bkSummary : bkTitle;
}

void TppReportBandEngine::InitForReport() {
    TppBandEngine::InitForReport();
    AlreadyPageBreak = false;
    breakNoTaken_ = false;
}

void TppReportBandEngine::PageEnded() {
    if (isSummary())
        engine_.SetStatus(esSummary, false);
}

void TppReportBandEngine::PrepareBand() {
    if (isSummary()) {
        engine_.SetStatus(esSummary, true);
        // The summary belongs to the last group's page set: its footer has counted the break
        // already, and what the summary shows for that group is the last instance's.
        TppGroup* control = engine_.ControlGroup();
        if (control && !breakNoTaken_ && !(reportBand_.NewPage() && AlreadyPageBreak) && !Continuing()) {
            control->SetBreakNo(control->BreakNo() - 1);
            breakNoTaken_ = true;
        }
        return;
    }
    const bool done = reportBand_.NewPage() && AlreadyPageBreak;
    engine_.SetStatus(esTitle, !done);
    if (done)
        band_.GenerationComplete = true;
}

void TppReportBandEngine::CheckBandSpace() {
    if (isSummary()) {
        if (reportBand_.NewPage() && !AlreadyPageBreak) {
            AlreadyPageBreak = true;
            if (IsVisible())
                band_.OutOfSpace = true;
            return;
        }
        if (engine_.ColumnCount() > 1) {
            const int leftMargin = engine_.PageDef().mmMarginLeft;
            if (!engine_.TopToBottomColumns()) {
                engine_.Position().Left = leftMargin;
            } else if (engine_.Position().Left != leftMargin) {
                // Not in the first column: the summary waits for a new page.
                band_.OutOfSpace = true;
                return;
            }
        }
    }
    TppBandEngine::CheckBandSpace();
}

void TppReportBandEngine::EndBandGeneration() {
    if (isSummary())
        return;
    // A title that continues on the next page makes its page break once it is complete.
    if (!reportBand_.NewPage() || AlreadyPageBreak || Continuing()) {
        if (!Continuing())
            engine_.SetStatus(esTitle, false);
        return;
    }
    AlreadyPageBreak = true;
    if (IsVisible())
        band_.OutOfSpace = true;
}
