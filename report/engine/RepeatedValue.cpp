#include "RepeatedValue.h"

#include "CacheRecord.h"

#include <QHash>

namespace {

qint64 textHash(const QString& text) {
    return qint64(qHash(text, size_t(0)));
}

} // namespace

void RepeatedValue::Reset() {
    AlreadyPrinted = false;
    FirstPage = -1;
    PriorValue.clear();
    PriorValueSame = false;
    priorHash_.reset();
}

void RepeatedValue::Refresh(const QString& value, bool reset, int absolutePageNo) {
    FieldValue = value;
    const bool same = priorHash_ ? textHash(FieldValue) == *priorHash_ : FieldValue == PriorValue;
    priorHash_.reset();
    PriorValue = FieldValue;
    PriorValueSame = same && !reset;
    if (!PriorValueSame)
        FirstPage = absolutePageNo;
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

void RepeatedValue::CacheFields(CacheRecord& record) {
    record.field(FirstPage);
    record.field(PriorValueSame);
    record.field(AlreadyPrinted);
    qint64 hash = priorHash_.value_or(textHash(PriorValue));
    record.field(hash);
    if (record.isUnpacking())
        priorHash_ = hash == textHash(PriorValue) ? std::nullopt : std::optional(hash);
}
