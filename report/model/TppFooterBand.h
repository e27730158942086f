#pragma once

#include "TppBand.h"

// The band the page footer, at the bottom of every page.
class TppFooterBand final : public TppBand {
public:
    PW_CLASS_INFO
    using TppBand::TppBand;
    ~TppFooterBand() override { markDestroying(); }

    int BandTypeCode() const override { return btFooter; }
    QString SortKey() const override { return sortKeyNumber(8); }
};
