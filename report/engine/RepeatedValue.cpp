#include "RepeatedValue.h"

void RepeatedValue::Reset() {
    AlreadyPrinted = false;
    FirstPage = -1;
    PriorValue.clear();
    PriorValueSame = false;
}

void RepeatedValue::Refresh(const QString& value, bool reset, int absolutePageNo) {
    FieldValue = value;
    if (reset || FieldValue != PriorValue) {
        PriorValue = FieldValue;
        PriorValueSame = false;
        FirstPage = absolutePageNo;
    } else {
        PriorValueSame = true;
    }
}

void RepeatedValue::PageStarted(bool reprintOnSubsequent) {
    if (FirstPage != -1)
        AlreadyPrinted = !reprintOnSubsequent;
}

bool RepeatedValue::ShouldPrint(bool suppressRepeated, bool reprintOnSubsequent, bool onFirstRecord,
                                bool drawComponent, int absolutePageNo) {
    bool print;
    if (!PriorValueSame || (onFirstRecord && !AlreadyPrinted))
        print = true;
    else if (suppressRepeated)
        print = reprintOnSubsequent && FirstPage < absolutePageNo && !AlreadyPrinted;
    else
        print = drawComponent;
    if (print)
        AlreadyPrinted = true;
    return print;
}
