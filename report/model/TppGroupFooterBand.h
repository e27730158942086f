#pragma once

#include "TppGroupBand.h"

// The band printed after the records of each group instance, innermost group first.
class TppGroupFooterBand final : public TppGroupBand {
public:
    PW_CLASS_INFO
    using TppGroupBand::TppGroupBand;
    ~TppGroupFooterBand() override { markDestroying(); }

    int BandTypeCode() const override { return btGroupFooter; }
    QString SortKey() const override { return sortKeyNumber(6) + sortKeyNumber(99999998 - GroupIndex()); }
    void SetGroup(TppGroup* group) override;
};
