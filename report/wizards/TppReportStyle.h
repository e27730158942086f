#pragma once

#include "ReportWizardChoices.h"
#include "TppFont.h"

#include <QHash>

class TppBand;
class TppReportModel;

// The look of one band: its background (white for none), the font of its
// controls, and the colour and width of its lines.
struct TppBandStyle {
    int background = 0xFFFFFF;
    TppFont font;
    int lineColor = 0x000000;
    int lineWidth = 1;
};

// A style's band styles for every band of the report.
struct TppReportStyle {
    QHash<const TppBand*, TppBandStyle> bands;

    TppBandStyle of(const TppBand* band) const { return bands.value(band); }
};

TppReportStyle createReportStyle(TppReportStyleType type, const TppReportModel& report);
