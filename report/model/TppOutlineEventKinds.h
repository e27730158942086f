#pragma once

// The event kinds the report outline is made from, beside those every
// report object raises (TppEventKind.h).
enum TppOutlineEventKind {
    // The report asks its script handlers about a new outline entry:
    // parameters (the node, var accept).
    ciReportOutlineNodeCreate = 88,
    // A report (main or child) begins a generation run for a page request.
    ciReportRunStart = 91
};
