#include "TppCustomEngine.h"

TppCustomEngine::TppCustomEngine(OwnedComponent* owner)
    : TppCacheable(owner), page_(std::make_unique<TppPage>()) {}

TppCustomEngine::~TppCustomEngine() {
    markDestroying();
}

void TppCustomEngine::Reset() {
    page_->ResetPage();
    PageStarted = false;
    AbsolutePageNo = AbsolutePageCount = PageNo = PageCount = CurrentColumn = 0;
    passes_ = {};
    StopPrinting = false;
    Printing = false;
    ReportBandCount = PageBandCount = 0;
    GenerationCompleted = false;
}
