#pragma once

#include "TppBandEngine.h"

class TppGroup;
class TppGroupFooterBand;

// A group footer: due when its group breaks, printed once to close the
// instance (which then counts as finished), and printed at the end of the
// report. The outermost group's footer tells the engine to bring the next
// record before the next header.
class TppGroupFooterBandEngine : public TppBandEngine {
public:
    TppGroupFooterBandEngine(TppGroupFooterBand& band, BandHost& engine);

    unsigned KindCodes() const override { return bkGroupFooter; }
    void InitForReport() override;

    TppGroup& Group() const;
    bool Generation() const;
    void SetGeneration(bool due);

protected:
    void PrepareBand() override;
    void BeforeGenerateStep() override;
    void EndBandPass() override;
    void EndBandGeneration() override;
    int ExtraState() const override { return Generation() ? 1 : 0; }
    void SetExtraState(int state) override { SetGeneration(state & 1); }

private:
    TppGroupFooterBand& footer_;
};
