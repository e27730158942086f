#pragma once

#include "TppBand.h"

// The band the page header, on top of every page.
class TppHeaderBand final : public TppBand {
public:
    PW_CLASS_INFO
    using TppBand::TppBand;
    ~TppHeaderBand() override { markDestroying(); }

    int BandTypeCode() const override { return btHeader; }
    QString SortKey() const override { return sortKeyNumber(2); }
};
