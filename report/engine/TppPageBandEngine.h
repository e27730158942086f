#pragma once

#include "TppBandEngine.h"

class TppPageBand;

// The header and the footer: printed on every page, but left off the first
// page or the last one when asked. A header is generated before the page
// is known to be the last; the engine takes it off the last page afterwards.
class TppPageBandEngine : public TppBandEngine {
public:
    TppPageBandEngine(TppPageBand& band, BandHost& engine);

    unsigned KindCodes() const override;
    bool IsPageFurniture() const override { return true; }

protected:
    bool SyncsRecordOnPass() const override;
    void PrepareBand() override;
    // The footer sits on the page bottom, above the bottom margin; the
    // engine's page bottom has kept its height free.
    void CheckBandSpace() override;

private:
    bool isFooter() const;
    TppPageBand& pageBand_;
};
