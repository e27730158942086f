#include "EnumerationNames.h"

const QStringList& dataTypeNames() {
    static const QStringList names = {"dtBoolean", "dtDate",   "dtTime",    "dtDateTime", "dtInteger", "dtSingle",
                                      "dtDouble",  "dtExtended", "dtCurrency", "dtChar",   "dtString",  "dtVariant",
                                      "dtLongint", "dtBLOB",   "dtMemo",    "dtGraphic",  "dtNotKnown", "dtLargeInt"};
    return names;
}
