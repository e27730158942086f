#include "TppColumnBandEngine.h"

#include "BandHost.h"
#include "TppBand.h"

bool TppColumnBandEngine::isFooter() const {
    return band_.BandTypeCode() == btColumnFooter;
}

unsigned TppColumnBandEngine::KindCodes() const {
    return isFooter() ? bkColumnFooter : bkColumnHeader;
}

void TppColumnBandEngine::CheckBandSpace() {
    if (!isFooter()) {
        TppBandEngine::CheckBandSpace();
        return;
    }
    const TppPageDef& page = engine_.PageDef();
    band_.PageBottom = page.mmHeight - page.mmMarginBottom;
    StartingPosition = engine_.PageBottom();
    placeAt(StartingPosition, StartingPosition + band_.mmHeight());
}

void TppColumnBandEngine::AfterGenerateStep() {
    if (!isFooter())
        TppBandEngine::AfterGenerateStep();
}
