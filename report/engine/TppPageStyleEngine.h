#pragma once

#include "TppBandEngine.h"
#include "TppPrintRect.h"

class TppPageStyle;

// The page style: drawn at the top margin of the pages its PageSetting
// names, behind everything else, taking no space from the page.
class TppPageStyleEngine : public TppBandEngine {
public:
    TppPageStyleEngine(TppPageStyle& band, BandHost& engine);

    unsigned KindCodes() const override;
    bool IsVisible() const override;
    bool IsPageFurniture() const override { return true; }

protected:
    bool SyncsRecordOnPass() const override { return true; }
    void CheckBandSpace() override;
    void AdvancePrintPosition() override;
    void EndBandPass() override;

private:
    TppPageStyle& style_;
    TppPrintRect savedPosition_;
};
