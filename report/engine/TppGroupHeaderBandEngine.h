#pragma once

#include "TppBandEngine.h"

class TppGroup;
class TppGroupHeaderBand;

// A group header: due when its group breaks (and at report start), then
// printed once as the new instance's header; reprinted at the top of later
// pages and columns when its group asks for that. A due header may first
// make a new page or column (NewPage, NewColumn, or too little space left
// by the thresholds).
class TppGroupHeaderBandEngine : public TppBandEngine {
public:
    TppGroupHeaderBandEngine(TppGroupHeaderBand& band, BandHost& engine);

    unsigned KindCodes() const override;
    void InitForReport() override;
    bool IsPageFurniture() const override { return printedAsReprint_; }

    TppGroup& Group() const;
    // Due: the group broke and this instance's header has not printed.
    bool Generation() const;
    void SetGeneration(bool due);
    bool AlreadyPageBreak = false;
    bool ColumnBreakDone = false;

protected:
    void PrepareBand() override;
    void StartBandPass() override;
    void BeforeGenerateStep() override;
    void EndBandPass() override;
    int ExtraState() const override;
    void SetExtraState(int state) override;

private:
    bool shouldPrint() const;
    void applyBreakRules();

    TppGroupHeaderBand& header_;
    bool printedAsReprint_ = false;
};
