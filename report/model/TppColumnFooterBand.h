#pragma once

#include "TppBand.h"

// The band at the bottom of every column.
class TppColumnFooterBand final : public TppBand {
public:
    PW_CLASS_INFO
    using TppBand::TppBand;
    ~TppColumnFooterBand() override { markDestroying(); }

    int BandTypeCode() const override { return btColumnFooter; }
    QString SortKey() const override { return sortKeyNumber(7); }
    // Placed at the page bottom by its height: it never grows.
    void SetPrintHeight(TppPrintHeightType) override {}
};
