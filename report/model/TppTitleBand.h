#pragma once

#include "TppBand.h"

// The band printed once, before everything else.
class TppTitleBand final : public TppBand {
public:
    PW_CLASS_INFO
    using TppBand::TppBand;
    ~TppTitleBand() override { markDestroying(); }

    int BandTypeCode() const override { return btTitle; }
    QString SortKey() const override { return sortKeyNumber(1); }
};
