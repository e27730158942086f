#pragma once

#include "ReportWizardChoices.h"

class TppCustomReport;

// Builds the wizard's report into `report` (which keeps what it has and
// gains the rest): the paper's orientation, a title band with the report's
// name, a group with header and footer bands per group field, labels and
// data-aware controls for the fields arranged by the layout (shrunk to the
// page's width when they overflow and adjusting is on), the print date and
// page number in the footer, the layout's lines and boxes, then the style's
// fonts, colours and backgrounds. Lengths are screen pixels; text is
// measured with the report's measurer.
//
// A layout that needs a band taller than the page raises EDesignError and
// leaves the report as it was. Either way the report is told its layout
// was rebuilt.
void buildWizardReport(TppCustomReport& report, const TppReportWizardChoices& choices);
