#pragma once

#include "TppReportBand.h"

// The band printed once, before everything else.
class TppTitleBand final : public TppReportBand {
public:
    PW_CLASS_INFO
    using TppReportBand::TppReportBand;
    ~TppTitleBand() override { markDestroying(); }

    int BandTypeCode() const override { return btTitle; }
    QString SortKey() const override { return sortKeyNumber(1); }
};
