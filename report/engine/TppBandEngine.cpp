#include "TppBandEngine.h"

#include "BandHost.h"
#include "CacheRecord.h"
#include "TppBand.h"
#include "TppComponent.h"
#include "TppResourceManager.h"

#include <algorithm>

TppBandEngine::TppBandEngine(TppBand& band, BandHost& engine) : band_(band), engine_(engine), pass_(band) {}

TppBandEngine::~TppBandEngine() = default;

bool TppBandEngine::Printable() const {
    return engine_.IsPrintable(KindCodes());
}

bool TppBandEngine::Continuing() const {
    return band_.OverFlow || band_.PartialGeneration;
}

bool TppBandEngine::IsVisible() const {
    return band_.Visible();
}

bool TppBandEngine::MadeProgress() const {
    return !IsPageFurniture() && Count > 0 && !FitFailed;
}

void TppBandEngine::InitForReport() {
    pass_.InitForReport();
    band_.OverFlow = false;
    band_.PartialGeneration = false;
    band_.PartialAdjustment = band_.mmHeight();
    PrintPositionBreak = false;
}

void TppBandEngine::PageStarted() {
    for (TppComponent* component : band_.Objects())
        component->PageStarted();
}

void TppBandEngine::GenerateBand() {
    Generating = true;
    band_.GenerationComplete = false;
    band_.OutOfSpace = false;
    FitFailed = false;
    Count = 0;
    positionDecidedAt_.reset();
    PrepareBand();
    band_.SpaceUsed = 0;
    const auto repeatsLeft = [this] {
        switch (Repeat()) {
        case RepeatMode::Once:
            return Count < 1;
        case RepeatMode::Counted:
            return Count < PrintCount();
        case RepeatMode::Repeated:
            break;
        }
        return true;
    };
    while (!band_.GenerationComplete && !engine_.Stopped() && !band_.OutOfSpace && repeatsLeft() &&
           Printable()) {
        band_.SpaceUsed = 0;
        generatedThisPass_ = false;
        StartBandPass();
        CheckBandSpace();
        const bool visible = IsVisible();
        if (visible && !band_.OutOfSpace) {
            engine_.CountBand(!Continuing());
            ++Count;
            BeforeGenerateStep();
            pass_.GenerateComponents();
            generatedThisPass_ = true;
            // A band waiting for its section's pages placed nothing by design.
            if (band_.OutOfSpace && pass_.DrawQueue().IsEmpty() && !pass_.PrintingSection) {
                // Continued, with nothing placed: the band did not fit.
                FitFailed = true;
                engine_.BandDidNotFit(*this);
            }
            AfterGenerateStep();
            AdvancePrintPosition();
        }
        if (visible && DrawPage && generatedThisPass_)
            pass_.DrawComponents(engine_.Page());
        band_.GenerationComplete = !visible;
        EndBandPass();
        engine_.ProcessMessages();
    }
    EndBandGeneration();
    Generating = false;
}

void TppBandEngine::resetComponents() {
    pass_.ResetForBand();
}

void TppBandEngine::StartBandPass() {
    if (SyncsRecordOnPass())
        engine_.SyncRecord();
    resetComponents();
    band_.DoBeforePrint();
}

void TppBandEngine::CheckBandSpace() {
    band_.PageBottom = engine_.PageBottom() - band_.mmBottomOffset();
    StartingPosition = engine_.Position().Top;
    if (!ApplyPrintPosition())
        return;
    const bool dynamic = band_.PrintHeight() == phDynamic;
    fitTest(dynamic ? 0 : band_.mmHeight());
    if (!band_.OutOfSpace)
        placeAt(StartingPosition, dynamic ? band_.PageBottom : StartingPosition + band_.mmHeight());
}

void TppBandEngine::fitTest(int needed) {
    if (IsVisible() && band_.PageBottom < StartingPosition + needed) {
        band_.OutOfSpace = true;
        FitFailed = true;
        engine_.BandDidNotFit(*this);
    }
}

void TppBandEngine::placeAt(int top, int bottom) {
    band_.PrintRect = {engine_.Position().Left, top, engine_.Position().Right, bottom};
    band_.CurrentPosition = top;
}

bool TppBandEngine::ApplyPrintPosition() {
    const int position = band_.mmPrintPosition();
    if (position == 0 || !AppliesPrintPosition())
        return true;
    if (position >= band_.PageBottom)
        engine_.ReportError(LanguageString(kMsgPrintPositionBeyondPage) + QLatin1Char('.'));
    // A band whose preparation checks its space (a group header) meets the rule twice in one call at
    // the same place; deciding anew would undo the "prints where it is" of the page it broke to, and
    // break again on every page.
    if (positionDecidedAt_ == StartingPosition) {
        if (positionTaken_)
            StartingPosition = position;
        return true;
    }
    const int from = StartingPosition;
    const bool fits = band_.PrintHeight() == phDynamic || position + band_.mmHeight() <= band_.PageBottom;
    if (position >= StartingPosition && fits) {
        StartingPosition = position;
        PrintPositionBreak = false;
        decidePosition(from, true);
        return true;
    }
    if (PrintPositionBreak) {
        // The band made a new page for its position once: it prints where it is.
        PrintPositionBreak = false;
        decidePosition(from, false);
        return true;
    }
    band_.OutOfSpace = true;
    PrintPositionBreak = true;
    return false;
}

void TppBandEngine::decidePosition(int from, bool taken) {
    positionDecidedAt_ = from;
    positionTaken_ = taken;
}

void TppBandEngine::BeforeGenerateStep() {
    band_.DoBeforeGenerate();
}

void TppBandEngine::AfterGenerateStep() {
    band_.DoAfterGenerate();
}

void TppBandEngine::AdvancePrintPosition() {
    if (pass_.SectionEnded()) {
        // The section's last page is this page: nothing more of the band's
        // report goes on it.
        const int bottom = engine_.PageBottom();
        band_.SpaceUsed = std::max(0, bottom - band_.PrintRect.Top);
        engine_.Position().Top = engine_.Position().Bottom = bottom;
        return;
    }
    const int used = band_.PrintHeight() == phDynamic ? band_.SpaceUsed : band_.mmHeight();
    band_.SpaceUsed = used + band_.mmBottomOffset();
    engine_.Position().Top = engine_.Position().Bottom = band_.PrintRect.Top + band_.SpaceUsed;
}

void TppBandEngine::EndBandPass() {
    pass_.FinishBandPass();
    if (!(band_.OutOfSpace && !band_.OverFlow))
        band_.DoAfterPrint();
}

void TppBandEngine::CacheFields(CacheRecord& record) {
    record.field(band_.OverFlow);
    record.field(band_.PartialGeneration);
    record.field(band_.PartialAdjustment);
    record.field(PrintPositionBreak);
    record.field(pass_.PrintingSection);
    int resumeList = pass_.ResumeListIndex();
    int resumeObject = pass_.ResumeObjectIndex();
    int extra = ExtraState();
    record.field(resumeList);
    record.field(resumeObject);
    record.field(extra);
    if (record.isUnpacking()) {
        pass_.SetResumePosition(resumeList, resumeObject);
        SetExtraState(extra);
    }
}
