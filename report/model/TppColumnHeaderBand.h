#pragma once

#include "TppBand.h"

// The band on top of every column.
class TppColumnHeaderBand final : public TppBand {
public:
    PW_CLASS_INFO
    using TppBand::TppBand;
    ~TppColumnHeaderBand() override { markDestroying(); }

    int BandTypeCode() const override { return btColumnHeader; }
    QString SortKey() const override { return sortKeyNumber(3); }
};
