#include "TppGroupHeaderBandEngine.h"

#include "BandHost.h"
#include "TppGroup.h"
#include "TppGroupHeaderBand.h"

TppGroupHeaderBandEngine::TppGroupHeaderBandEngine(TppGroupHeaderBand& band, BandHost& engine)
    : TppBandEngine(band, engine), header_(band) {}

TppGroup& TppGroupHeaderBandEngine::Group() const {
    return *header_.Group();
}

bool TppGroupHeaderBandEngine::Generation() const {
    return header_.PendingBreak();
}

void TppGroupHeaderBandEngine::SetGeneration(bool due) {
    header_.SetPendingBreak(due);
}

unsigned TppGroupHeaderBandEngine::KindCodes() const {
    unsigned codes = bkGroupHeader;
    if (Group().ReprintOnSubsequentPage())
        codes |= bkHeader;
    if (engine_.ColumnCount() > 1 && Group().ReprintOnSubsequentColumn())
        codes |= bkColumnHeader;
    return codes;
}

void TppGroupHeaderBandEngine::InitForReport() {
    TppBandEngine::InitForReport();
    SetGeneration(true);
    AlreadyPageBreak = !engine_.PageHasBody();
    ColumnBreakDone = true;
    printedAsReprint_ = false;
}

bool TppGroupHeaderBandEngine::shouldPrint() const {
    const TppGroup& group = Group();
    const bool due = Generation();
    if (!due && engine_.IsPrintable(bkHeader) && group.ReprintOnSubsequentPage() &&
        engine_.PageNumber() >= group.FirstPageNo())
        return true;
    if (!due && engine_.IsPrintable(bkColumnHeader) && group.ReprintOnSubsequentColumn() &&
        (group.FirstPageNo() < engine_.PageNumber() ||
         (group.FirstPageNo() == engine_.PageNumber() && group.FirstColumn() < engine_.Column())))
        return true;
    if (engine_.HasStatus(esTitle) || engine_.HasStatus(esSummary))
        return false;
    return due || band_.OverFlow;
}

void TppGroupHeaderBandEngine::PrepareBand() {
    TppGroup& group = Group();
    printedAsReprint_ = false;
    if (Generation() && &group == engine_.ControlKeepTogetherGroup())
        engine_.PrepareKeepTogether(group);
    if (!shouldPrint()) {
        band_.GenerationComplete = true;
        return;
    }
    printedAsReprint_ = !Generation() && !band_.OverFlow;
    CheckBandSpace();
    if (band_.OutOfSpace) {
        // On a page of one column the page ends here all the same, and that end is the break the
        // group asks for: breaking again on the next page would leave it empty.
        if (Generation() && !Continuing() && engine_.ColumnCount() <= 1)
            AlreadyPageBreak = true;
        return;
    }
    applyBreakRules();
    if (!band_.OutOfSpace && !band_.OverFlow && (Generation() || engine_.IsPrintable(bkTitle))) {
        group.SetFirstPageNo(engine_.PageNumber());
        group.SetFirstColumn(engine_.Column());
        engine_.SyncRecord();
    }
}

void TppGroupHeaderBandEngine::applyBreakRules() {
    const TppGroup& group = Group();
    const bool columns = engine_.ColumnCount() > 1;
    if (AlreadyPageBreak || (columns && ColumnBreakDone))
        return;
    const int spaceLeft = band_.PageBottom - StartingPosition;
    const bool due = Generation();
    if (columns && due && group.NewColumn()) {
        ColumnBreakDone = true;
    } else if (due && group.NewPage()) {
        AlreadyPageBreak = true;
    } else if (columns && spaceLeft < group.mmNewColumnThreshold()) {
        ColumnBreakDone = true;
    } else if (spaceLeft < group.mmNewPageThreshold()) {
        AlreadyPageBreak = true;
    } else {
        return;
    }
    band_.OutOfSpace = true;
}

void TppGroupHeaderBandEngine::StartBandPass() {
    if (Generation() && !Continuing())
        Group().DoBeforeGroupBreak();
    TppBandEngine::StartBandPass();
}

void TppGroupHeaderBandEngine::BeforeGenerateStep() {
    if (!Continuing())
        Group().DoBeforeHeader();
    TppBandEngine::BeforeGenerateStep();
}

void TppGroupHeaderBandEngine::EndBandPass() {
    TppBandEngine::EndBandPass();
    if (Generation() && !band_.OverFlow && !band_.OutOfSpace) {
        SetGeneration(false);
        Group().SetBreaking(false);
        AlreadyPageBreak = false;
        ColumnBreakDone = false;
    }
}

int TppGroupHeaderBandEngine::ExtraState() const {
    return (Generation() ? 1 : 0) | (AlreadyPageBreak ? 2 : 0) | (ColumnBreakDone ? 4 : 0);
}

void TppGroupHeaderBandEngine::SetExtraState(int state) {
    SetGeneration(state & 1);
    AlreadyPageBreak = state & 2;
    ColumnBreakDone = state & 4;
}
