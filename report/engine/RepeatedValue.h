#pragma once

#include <QString>

// Whether a data-bound text prints its value again when the value repeats
// from record to record: the value last printed or compared, where it first
// appeared, and whether it is already on the current page.
class RepeatedValue {
public:
    QString FieldValue;
    QString PriorValue;
    bool PriorValueSame = false;
    int FirstPage = -1; // absolute page where the value first appeared; -1: none
    bool AlreadyPrinted = false;

    // Report start, and a break of the reset group.
    void Reset();
    // After each record advance: compares the value with the prior one; a
    // reset (a break, the first record) makes it new.
    void Refresh(const QString& value, bool reset, int absolutePageNo);
    // A new page: a value already shown there before counts as printed
    // unless it is reprinted on every page it continues on.
    void PageStarted(bool reprintOnSubsequent);
    // Whether the value prints in this generation; marks it printed if so.
    // `drawComponent` is what the component would do without suppression.
    bool ShouldPrint(bool suppressRepeated, bool reprintOnSubsequent, bool onFirstRecord, bool drawComponent,
                     int absolutePageNo);
};
