#include "TppDetailBandEngine.h"

#include "BandHost.h"
#include "TppBandedReport.h"
#include "TppDetailBand.h"

TppDetailBandEngine::TppDetailBandEngine(TppDetailBand& band, BandHost& engine)
    : TppBandEngine(band, engine), detail_(band) {}

void TppDetailBandEngine::InitForReport() {
    TppBandEngine::InitForReport();
    BandsPerRecordCount = 1;
}

TppBandEngine::RepeatMode TppDetailBandEngine::Repeat() const {
    return detail_.PrintCount() > 0 ? RepeatMode::Counted : RepeatMode::Repeated;
}

int TppDetailBandEngine::PrintCount() const {
    return detail_.PrintCount();
}

void TppDetailBandEngine::StartBandPass() {
    band_.DoBeforePrint();
    if (!IsVisible())
        engine_.SyncRecord();
    resetComponents();
}

bool TppDetailBandEngine::AppliesPrintPosition() const {
    return !engine_.DetailOnThisPage();
}

void TppDetailBandEngine::BeforeGenerateStep() {
    engine_.SyncRecord();
    TppBandEngine::BeforeGenerateStep();
}

void TppDetailBandEngine::AfterGenerateStep() {
    engine_.NoteDetailPrinted();
    TppBandEngine::AfterGenerateStep();
}

void TppDetailBandEngine::EndBandPass() {
    TppBandEngine::EndBandPass();
    if (!band_.OverFlow && !band_.OutOfSpace) {
        if (BandsPerRecordCount < detail_.BandsPerRecord()) {
            ++BandsPerRecordCount;
        } else {
            engine_.RequestNextRecord();
            BandsPerRecordCount = 1;
        }
        if (engine_.DataDone() || engine_.IsPrintable(bkGroupFooter))
            band_.GenerationComplete = true;
    }
    if (band_.GenerationComplete || band_.OverFlow)
        return;
    if (engine_.Report().AutoStop() && Count == 1) {
        band_.GenerationComplete = true;
        engine_.FinishData();
    } else if (Repeat() == RepeatMode::Counted && Count == PrintCount()) {
        // The rest of the page stays empty; the next record starts the next page.
        band_.OutOfSpace = true;
    }
}
