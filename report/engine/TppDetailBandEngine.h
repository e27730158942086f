#pragma once

#include "TppBandEngine.h"

#include <algorithm>

class TppDetailBand;

// Drives the detail band record by record: one call prints consecutive
// records until the page (or column) is full, a group breaks, the data ends
// or PrintCount bands are on the page. Each record prints BandsPerRecord
// times before the engine moves on. The two traversals below place the
// records down the page or across the columns.
class TppDetailBandEngine : public TppBandEngine {
public:
    TppDetailBandEngine(TppDetailBand& band, BandHost& engine);

    unsigned KindCodes() const override { return bkDetail; }
    void InitForReport() override;
    TppDetailBand& DetailBand() const { return detail_; }

    // How often the current record has printed.
    int BandsPerRecordCount = 1;

protected:
    RepeatMode Repeat() const override;
    int PrintCount() const override;
    void StartBandPass() override;
    bool AppliesPrintPosition() const override;
    void BeforeGenerateStep() override;
    void AfterGenerateStep() override;
    void EndBandPass() override;
    int ExtraState() const override { return BandsPerRecordCount; }
    void SetExtraState(int state) override { BandsPerRecordCount = std::max(state, 1); }

private:
    TppDetailBand& detail_;
};
