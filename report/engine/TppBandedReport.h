#pragma once

#include "TppCustomReport.h"

class TppBand;

// A report whose layout is a set of bands: it names the bands by their
// place on the page, so users and scripts reach "the header" or "the
// detail" without searching the band list.
class TppBandedReport : public TppCustomReport {
public:
    PW_CLASS_INFO

    explicit TppBandedReport(OwnedComponent* owner = nullptr);
    ~TppBandedReport() override;

    TppBand* TitleBand() const { return GetBand(btTitle); }
    TppBand* HeaderBand() const { return GetBand(btHeader); }
    TppBand* ColumnHeaderBand() const { return GetBand(btColumnHeader); }
    TppBand* DetailBand() const { return GetBand(btDetail); }
    TppBand* ColumnFooterBand() const { return GetBand(btColumnFooter); }
    TppBand* FooterBand() const { return GetBand(btFooter); }
    TppBand* SummaryBand() const { return GetBand(btSummary); }
    TppBand* PageStyleBand() const { return GetBand(btPageStyle); }
    TppBand* GroupHeaderBand(int groupIndex) const { return GetBand(btGroupHeader, groupIndex); }
    TppBand* GroupFooterBand(int groupIndex) const { return GetBand(btGroupFooter, groupIndex); }
};
