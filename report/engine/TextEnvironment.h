#pragma once

#include "FormatSettings.h"
#include "TextCanvas.h"

class TppComponent;

// What a text component measures with and formats by: its report's
// measurer, measuring printer and locale, or, outside a report, Qt's font
// metrics at the screen's resolution and the invariant settings.
TextCanvas textCanvasOf(const TppComponent& component);
const FormatSettings& localeSettingsOf(const TppComponent& component);

// The component's field can be read: a field is named and its pipeline is
// assigned and active.
bool dataAvailable(const TppComponent& component);
// The report is generating pages.
bool reportPrinting(const TppComponent& component);
// Makes the component hear its report engine's record advances (and, for
// the component's reset group, its breaks) as events.
void listenToGeneration(TppComponent& component);
// The band instances the component's report has generated so far in this
// run, which numbers a band's saved texts as one record of a text file; 0
// outside a report.
int reportBandCountOf(const TppComponent& component);
