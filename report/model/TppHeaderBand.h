#pragma once

#include "TppPageBand.h"

// The band the page header, on top of every page.
class TppHeaderBand final : public TppPageBand {
public:
    PW_CLASS_INFO
    using TppPageBand::TppPageBand;
    ~TppHeaderBand() override { markDestroying(); }

    int BandTypeCode() const override { return btHeader; }
    QString SortKey() const override { return sortKeyNumber(2); }
};
