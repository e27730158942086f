#include "TppPageStyleEngine.h"

#include "TppEngine.h"
#include "TppPageStyle.h"

TppPageStyleEngine::TppPageStyleEngine(TppPageStyle& band, TppEngine& engine)
    : TppBandEngine(band, engine), style_(band) {}

unsigned TppPageStyleEngine::KindCodes() const { return bkHeader; }

bool TppPageStyleEngine::IsVisible() const {
    const bool lastPage = engine_.FirstPassComplete() && engine_.AbsolutePageNo == engine_.AbsolutePageCount;
    return style_.AppearsOn(engine_.AbsolutePageNo, lastPage);
}

void TppPageStyleEngine::CheckBandSpace() {
    savedPosition_ = engine_.PrintPosition;
    const TppPageDef& page = engine_.PageDef();
    band_.PageBottom = page.mmHeight - page.mmMarginBottom;
    StartingPosition = page.mmMarginTop;
    placeAt(StartingPosition,
            band_.PrintHeight() == phDynamic ? band_.PageBottom : StartingPosition + band_.mmHeight());
}

void TppPageStyleEngine::AdvancePrintPosition() {
    TppBandEngine::AdvancePrintPosition();
    engine_.PrintPosition = savedPosition_;
    engine_.UseSpaceTo(band_.PrintRect.Bottom);
}

void TppPageStyleEngine::EndBandPass() {
    TppBandEngine::EndBandPass();
    band_.GenerationComplete = true;
}
