#pragma once

#include "ReportWizardChoices.h"

#include <QHash>

class TppBand;
class TppReportModel;

// How a band is set off from its neighbours.
enum TppBandDecoration : int {
    bdNone,
    bdSingleLines, // a line above the contents and one below
    bdDoubleLines, // double lines above and below
    bdLineAbove,
    bdLineBelow,
    bdBox,         // a box around the contents
    bdControlBoxes // a box around each control
};

// What a layout decides for a report: each band's decoration, the band
// the column labels go to (none at first) and their top, whether group
// fields go to their group headers and whether group levels indent.
struct TppReportLayout {
    QHash<const TppBand*, TppBandDecoration> decorations;
    TppBand* labelBand = nullptr;
    int labelTop = 5;
    bool groupFieldsInHeaders = false;
    bool indentGroups = false;

    TppBandDecoration decorationOf(const TppBand* band) const { return decorations.value(band, bdNone); }
};

// The layout's rules applied to the report's bands as they are now.
TppReportLayout createReportLayout(TppReportLayoutType type, const TppReportModel& report);
