#pragma once

class TppDataPipeline;
class TppReport;

// Gives `report`, fresh from construction, the amortization report Kestrel
// ships: its printing settings (Letter paper, quarter-inch margins, the
// preview maximised at page width) and its layout, a header with the loan's
// figures and the column captions, a detail line per month over the
// schedule's fields through `pipeline`, an empty footer, and a group per
// year of payments (bands of no height: it shows only in the outline, one
// entry per year with its pages). Bands and
// components belong to the report's owner, as a loaded template's do.
//
// Amortization.rtm holds the same layout; this is the reference it is
// checked against and the layout to use where no file is at hand.
void buildAmortizationLayout(TppReport& report, TppDataPipeline& pipeline);

// Makes the report's groups on the schedule's DATE ("MM/YYYY") break by
// year, captioned with the year. The break is code of the application, not
// of the layout: it is bound again after every template load.
void breakDateGroupsByYear(TppReport& report);
