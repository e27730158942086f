#pragma once

class TppDataPipeline;
class TppReport;

// Gives `report`, fresh from construction, the amortization report Kestrel
// ships: its printing settings (Letter paper, quarter-inch margins, the
// preview maximised at page width) and its layout, a header with the loan's
// figures and the column captions, a detail line per month over the
// schedule's fields through `pipeline`, and an empty footer. Bands and
// components belong to the report's owner, as a loaded template's do.
//
// Amortization.rtm holds the same layout; this is the reference it is
// checked against and the layout to use where no file is at hand.
void buildAmortizationLayout(TppReport& report, TppDataPipeline& pipeline);
