#pragma once

#include "TppBand.h"

// The page's background band, drawn behind everything: filed last in the
// design, first while printing so that the rest draws over it.
class TppPageStyle final : public TppBand {
public:
    PW_CLASS_INFO
    using TppBand::TppBand;
    ~TppPageStyle() override { markDestroying(); }

    int BandTypeCode() const override { return btPageStyle; }
    QString SortKey() const override;
};
