#include "TppPageBandEngine.h"

#include "TppEngine.h"
#include "TppPageBand.h"

TppPageBandEngine::TppPageBandEngine(TppPageBand& band, TppEngine& engine)
    : TppBandEngine(band, engine), pageBand_(band) {}

bool TppPageBandEngine::isFooter() const { return band_.BandTypeCode() == btFooter; }

unsigned TppPageBandEngine::KindCodes() const { return isFooter() ? bkFooter : bkHeader; }

bool TppPageBandEngine::SyncsRecordOnPass() const { return !isFooter(); }

void TppPageBandEngine::PrepareBand() {
    const bool firstPage = engine_.AbsolutePageNo == 1;
    // In the first pass the last page shows itself by the report's end;
    // once counted, by its number.
    const bool lastPage = engine_.HasStatus(esSecondPass)
                              ? engine_.AbsolutePageNo == engine_.AbsolutePageCount
                              : engine_.HasStatus(esFirstPass) && (engine_.LastBandDone || engine_.HasStatus(esSummary));
    if ((!pageBand_.PrintOnFirstPage() && firstPage) || (!pageBand_.PrintOnLastPage() && lastPage))
        band_.GenerationComplete = true;
}

void TppPageBandEngine::CheckBandSpace() {
    if (!isFooter()) {
        TppBandEngine::CheckBandSpace();
        return;
    }
    const TppPageDef& page = engine_.PageDef();
    band_.PageBottom = page.mmHeight - page.mmMarginBottom;
    StartingPosition = band_.PageBottom - band_.mmHeight();
    placeAt(StartingPosition, StartingPosition + band_.mmHeight());
}
