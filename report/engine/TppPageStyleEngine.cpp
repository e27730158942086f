#include "TppPageStyleEngine.h"

#include "BandHost.h"
#include "TppPageStyle.h"

TppPageStyleEngine::TppPageStyleEngine(TppPageStyle& band, BandHost& engine)
    : TppBandEngine(band, engine), style_(band) {}

unsigned TppPageStyleEngine::KindCodes() const {
    return bkHeader;
}

bool TppPageStyleEngine::IsVisible() const {
    const bool lastPage = engine_.FirstPassComplete() && engine_.PageNumber() == engine_.PagesCounted();
    return style_.AppearsOn(engine_.PageNumber(), lastPage);
}

void TppPageStyleEngine::CheckBandSpace() {
    savedPosition_ = engine_.Position();
    const TppPageDef& page = engine_.PageDef();
    band_.PageBottom = page.mmHeight - page.mmMarginBottom;
    StartingPosition = page.mmMarginTop;
    placeAt(StartingPosition,
            band_.PrintHeight() == phDynamic ? band_.PageBottom : StartingPosition + band_.mmHeight());
}

void TppPageStyleEngine::AdvancePrintPosition() {
    TppBandEngine::AdvancePrintPosition();
    engine_.Position() = savedPosition_;
    engine_.UseSpaceTo(band_.PrintRect.Bottom);
}

void TppPageStyleEngine::EndBandPass() {
    TppBandEngine::EndBandPass();
    band_.GenerationComplete = true;
}
