#pragma once

#include "TppBandEngine.h"

// The column header, printed when a column starts, and the column footer,
// placed above the page footer when a column ends. A column footer fires no
// AfterGenerate.
class TppColumnBandEngine : public TppBandEngine {
public:
    using TppBandEngine::TppBandEngine;

    unsigned KindCodes() const override;
    bool IsPageFurniture() const override { return true; }

protected:
    bool SyncsRecordOnPass() const override { return !isFooter(); }
    void CheckBandSpace() override;
    void AfterGenerateStep() override;

private:
    bool isFooter() const;
};
