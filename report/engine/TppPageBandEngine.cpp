#include "TppPageBandEngine.h"

#include "BandHost.h"
#include "TppPageBand.h"

TppPageBandEngine::TppPageBandEngine(TppPageBand& band, BandHost& engine)
    : TppBandEngine(band, engine), pageBand_(band) {}

bool TppPageBandEngine::isFooter() const {
    return band_.BandTypeCode() == btFooter;
}

unsigned TppPageBandEngine::KindCodes() const {
    return isFooter() ? bkFooter : bkHeader;
}

bool TppPageBandEngine::SyncsRecordOnPass() const {
    return !isFooter();
}

void TppPageBandEngine::PrepareBand() {
    const bool firstPage = engine_.PageNumber() == 1;
    // In the first pass the last page shows itself by the report's end;
    // once counted, by its number.
    const bool lastPage = engine_.SecondPass() ? engine_.PageNumber() == engine_.PagesCounted()
                                               : engine_.FirstPass() && (engine_.LastBandGenerated() ||
                                                                         engine_.HasStatus(esSummary));
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
