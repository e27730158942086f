#pragma once

#include "TppPageBand.h"

// The band the page footer, at the bottom of every page.
class TppFooterBand final : public TppPageBand {
public:
    PW_CLASS_INFO
    using TppPageBand::TppPageBand;
    ~TppFooterBand() override { markDestroying(); }

    int BandTypeCode() const override { return btFooter; }
    QString SortKey() const override { return sortKeyNumber(8); }
    // Placed at the page bottom by its height: it never grows.
    void SetPrintHeight(TppPrintHeightType) override {}
};
