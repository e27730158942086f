#pragma once

#include "TppReportBand.h"

// The band printed once, after the last detail.
class TppSummaryBand final : public TppReportBand {
public:
    PW_CLASS_INFO
    using TppReportBand::TppReportBand;
    ~TppSummaryBand() override { markDestroying(); }

    int BandTypeCode() const override { return btSummary; }
    QString SortKey() const override { return sortKeyNumber(9); }
};
