#pragma once

#include "TppBandedReport.h"

class TppSubReport;

// The banded report a subreport holds and prints inside its parent band.
// Its main report is the one its parent report belongs to; the engine of
// that main report drives it, one child page at a time.
class TppChildReport : public TppBandedReport {
public:
    PW_CLASS_INFO

    explicit TppChildReport(OwnedComponent* owner = nullptr);
    ~TppChildReport() override;

    TppSubReport* SubReport() const;
    // The report whose band holds the subreport; none while it is in no band.
    TppReportModel* ParentReport() const;
    TppReportModel* MainReport() override;

    // A child printed inside its band has no page of its own to head.
    bool PrintsPageBands() const override;
    // Boxes in the parent's band; sections have pages of their own.
    bool PrintsInsideAnother() const override;

    // Read from a template: a child report lives in a subreport.
    bool SetParentComponent(OwnedComponent* parent) override;
};

// What tells the instances of a child report apart: for each enclosing
// subreport, innermost first, "%8d" of its Count and "|"; empty for a main
// report (and for none).
QString reportKeyOf(const TppReportModel* report);
