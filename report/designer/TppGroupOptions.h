#pragma once

#include "TppTypes.h"

#include <QList>
#include <QString>

class DesignerController;
class TppGroup;

// One entry of the group dialog: a working copy of a group's settings,
// written to the report only when the dialog's OK applies them. Objects are
// named, not held, so that the copies outlive an undo that frees them.
struct TppGroupOptions {
    QString breakName;
    TppBreakType breakType = btDataField;
    // The pipeline's component name; empty for a custom field.
    QString pipeline;
    // The report group this entry edits; empty for a new entry.
    QString group;
    bool keepTogether = true;
    bool newColumn = false;
    int mmNewColumnThreshold = 0;
    bool newPage = false;
    int mmNewPageThreshold = 0;
    bool reprintOnSubsequentColumn = true;
    bool reprintOnSubsequentPage = true;
    bool resetPageNo = false;

    static TppGroupOptions of(const TppGroup& group);
    friend bool operator==(const TppGroupOptions&, const TppGroupOptions&) = default;
};

// Writes the entries to the report's groups as one undoable command: entry
// i goes to position i (a new entry first gets a new group with a header
// and a footer band), then the groups no entry names are freed, last first.
void applyGroupOptions(DesignerController& designer, const QList<TppGroupOptions>& entries);
