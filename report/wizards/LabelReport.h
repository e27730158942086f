#pragma once

class QString;
class TppCustomReport;
struct TppLabelDefinition;

// Lays the report out for the label stock: its units, then the paper
// (orientation first, so that landscape stock keeps the size it names),
// margins, the detail band as one label with the gap below it, a column per
// label across, and no header or footer.
void applyLabelDefinition(TppCustomReport& report, const TppLabelDefinition& label);

// Turns a report into a sheet of labels: default bands when it has none,
// everything but the detail band removed, the stock applied and the paper
// taken from `binName` (empty for none).
void makeLabelReport(TppCustomReport& report, const TppLabelDefinition& label, const QString& binName);

// Gives a report without bands the header, detail and footer a new report has.
void createDefaultBands(TppCustomReport& report);
