#pragma once

#include "Persistent.h"

// Whether a report, subreport or group adds entries to the page outline.
// They are kept with the layout whether or not an outline is ever built,
// so templates carry them through unchanged.
class TppOutlineSettings : public Persistent {
public:
    PW_CLASS_INFO

    bool CreateNode = true;
};

// The report's settings: also page entries, and whether there is an outline at all.
class TppOutlineReportSettings : public TppOutlineSettings {
public:
    PW_CLASS_INFO

    bool CreatePageNodes = true;
    bool Enabled = true;
};
