#pragma once

#include "TppReportModel.h"

// A report whose page is set directly, for the tests of the layers below the
// printer setup (bands, groups, pipelines).
class FixedPageReport : public TppReportModel {
public:
    explicit FixedPageReport(OwnedComponent* owner = nullptr) : TppReportModel(owner) {}
    const TppPageDef& PageDef() const override { return pageDef; }
    TppPageDef pageDef;
};
