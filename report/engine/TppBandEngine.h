#pragma once

#include "GenerationCodes.h"
#include "TppComponentPass.h"

#include <optional>

class CacheRecord;
class TppBand;
class BandHost;

// Generates one band on the current page, the cycle every band runs: each
// pass checks that the band fits below the engine's print position, lets
// its components place themselves, moves the print position down and draws
// the components when the page is drawn. The cycle ends when the band has
// printed as often as it may in this call, when the engine no longer allows
// its kind, or when the page is full (the band is then OutOfSpace and is
// called again on the next page).
//
// Each band kind adds its rules through the hooks (PrepareBand,
// CheckBandSpace ...); the engine makes one band engine per band at run
// start and keeps the state that lasts from page to page here, in the
// band's generation fields and in the component pass.
class TppBandEngine {
public:
    TppBandEngine(TppBand& band, BandHost& engine);
    virtual ~TppBandEngine();

    TppBand& Band() const { return band_; }
    // The kind codes under which the band may print.
    virtual unsigned KindCodes() const = 0;
    bool Printable() const;
    bool Continuing() const;

    // Run start: components, lists and continuation state.
    virtual void InitForReport();
    void GenerateBand();
    // Each page start and end.
    virtual void PageStarted();
    virtual void PageEnded() {}

    // Whether the band appears in this pass (a page style decides per page).
    virtual bool IsVisible() const;
    // Bands repeated on every page (page style, headers, footers, column
    // bands, reprinted group headers): printing them is no progress.
    virtual bool IsPageFurniture() const { return false; }
    // Whether the last call printed something that moves the report on.
    bool MadeProgress() const;
    // The pass over the band's components; a section subreport marks it
    // while the band prints its section.
    TppComponentPass& Pass() { return pass_; }

    // Run-time state.
    bool Generating = false;
    int Count = 0; // passes that printed in this call
    int StartingPosition = 0;
    bool PrintPositionBreak = false;
    bool DrawPage = false;
    // The band ended OutOfSpace because it did not fit, not by a rule that
    // asks for a new page.
    bool FitFailed = false;

    // What the page state cache keeps of the band between pages: its
    // continuation, where its components resume, and the flags of its kind.
    // Part of the engine's record, as the engine holds the band engines.
    void CacheFields(CacheRecord& record);

protected:
    enum class RepeatMode { Once, Repeated, Counted };
    virtual RepeatMode Repeat() const { return RepeatMode::Once; }
    virtual int PrintCount() const { return 0; }
    // Headers, titles, column headers and page styles bring the current
    // record up to date before each pass.
    virtual bool SyncsRecordOnPass() const { return false; }

    virtual void PrepareBand() {}
    virtual void StartBandPass();
    virtual void CheckBandSpace();
    // The rule of a fixed PrintPosition; true when the band may go on.
    bool ApplyPrintPosition();
    virtual bool AppliesPrintPosition() const { return true; }
    virtual void BeforeGenerateStep();
    virtual void AfterGenerateStep();
    virtual void AdvancePrintPosition();
    virtual void EndBandPass();
    virtual void EndBandGeneration() {}
    // The flags a band kind keeps between pages, as bits.
    virtual int ExtraState() const { return 0; }
    virtual void SetExtraState(int) {}

    void resetComponents();
    // Sets PrintRect for a band placed at `top`, spanning the engine's print position.
    void placeAt(int top, int bottom);
    // The fit test of the standard space check.
    void fitTest(int needed);

    TppBand& band_;
    BandHost& engine_;
    TppComponentPass pass_;
    bool generatedThisPass_ = false;

private:
    void decidePosition(int from, bool taken);
    // The print position rule's decision in this call: the starting position it was made at, and
    // whether the band moved to its position (else it prints where it is).
    std::optional<int> positionDecidedAt_;
    bool positionTaken_ = false;
};
