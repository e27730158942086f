#pragma once

#include "TppBand.h"

// The band printed once, after the last detail.
class TppSummaryBand final : public TppBand {
public:
    PW_CLASS_INFO
    using TppBand::TppBand;
    ~TppSummaryBand() override { markDestroying(); }

    int BandTypeCode() const override { return btSummary; }
    QString SortKey() const override { return sortKeyNumber(9); }
};
