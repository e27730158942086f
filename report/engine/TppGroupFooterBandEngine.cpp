#include "TppGroupFooterBandEngine.h"

#include "BandHost.h"
#include "TppGroup.h"
#include "TppGroupFooterBand.h"

TppGroupFooterBandEngine::TppGroupFooterBandEngine(TppGroupFooterBand& band, BandHost& engine)
    : TppBandEngine(band, engine), footer_(band) {}

TppGroup& TppGroupFooterBandEngine::Group() const {
    return *footer_.Group();
}

bool TppGroupFooterBandEngine::Generation() const {
    return footer_.PendingBreak();
}

void TppGroupFooterBandEngine::SetGeneration(bool due) {
    footer_.SetPendingBreak(due);
}

void TppGroupFooterBandEngine::InitForReport() {
    TppBandEngine::InitForReport();
    SetGeneration(false);
}

void TppGroupFooterBandEngine::PrepareBand() {
    // Not due, it still closes the report once all data is traversed.
    if (!Generation() && !engine_.IsPrintable(bkSummary) && !band_.OverFlow)
        band_.GenerationComplete = true;
}

void TppGroupFooterBandEngine::BeforeGenerateStep() {
    if (!Continuing())
        Group().DoBeforeFooter();
    TppBandEngine::BeforeGenerateStep();
}

void TppGroupFooterBandEngine::EndBandPass() {
    TppBandEngine::EndBandPass();
    if (Generation() && !band_.OverFlow && !band_.OutOfSpace) {
        SetGeneration(false);
        Group().DoAfterGroupBreak();
    }
}

void TppGroupFooterBandEngine::EndBandGeneration() {
    if (Group().GroupNo() == 0 && !band_.OutOfSpace && !engine_.DataDone() &&
        engine_.IsPrintable(bkGroupFooter))
        engine_.RequestAdvance();
}
