#pragma once

#include "TppGroupBand.h"

// The band printed before the records of each group instance, outermost group first.
class TppGroupHeaderBand final : public TppGroupBand {
public:
    PW_CLASS_INFO
    using TppGroupBand::TppGroupBand;
    ~TppGroupHeaderBand() override { markDestroying(); }

    int BandTypeCode() const override { return btGroupHeader; }
    QString SortKey() const override { return sortKeyNumber(4) + sortKeyNumber(GroupIndex()); }
    void SetGroup(TppGroup* group) override;
};
