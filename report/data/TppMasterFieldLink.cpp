#include "TppMasterFieldLink.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TppCustomDataPipeline.h"

const ClassInfo& TppMasterFieldLink::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppMasterFieldLink>("TppMasterFieldLink", &TppRelative::staticClassInfo(), [](auto& c) {
            c.property("MasterFieldName", &TppMasterFieldLink::MasterFieldName,
                       &TppMasterFieldLink::SetMasterFieldName);
            c.property("DetailFieldName", &TppMasterFieldLink::DetailFieldName,
                       &TppMasterFieldLink::SetDetailFieldName);
            c.property("DetailSortOrder", &TppMasterFieldLink::DetailSortOrder,
                       &TppMasterFieldLink::SetDetailSortOrder)
                .names(enumerationNames("TppSortOrderType"))
                .withDefault(soAscending);
            c.property("IsCaseSensitive", &TppMasterFieldLink::IsCaseSensitive,
                       &TppMasterFieldLink::SetIsCaseSensitive)
                .withDefault(false);
            c.property("CollationType", &TppMasterFieldLink::CollationType,
                       &TppMasterFieldLink::SetCollationType)
                .names(enumerationNames("TppCollationType"))
                .withDefault(ctANSI);
        });
    return info;
}

TppMasterFieldLink::TppMasterFieldLink(OwnedComponent* owner) : TppRelative(owner) {}

TppMasterFieldLink::~TppMasterFieldLink() {
    markDestroying();
}

bool TppMasterFieldLink::SetParentComponent(OwnedComponent* parent) {
    auto* pipeline = dynamic_cast<TppCustomDataPipeline*>(parent);
    if (!pipeline)
        return false;
    pipeline->AddLink(this);
    return true;
}

namespace {

int sign(int value) {
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

bool isText(const QVariant& value) {
    return value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QChar;
}

} // namespace

int TppMasterFieldLink::Compare(const QVariant& detail, const QVariant& master) const {
    int result = 0;
    if (detail.isNull() || master.isNull()) {
        result = detail.isNull() == master.isNull() ? 0 : master.isNull() ? -1 : 1;
    } else if (isText(detail) && isText(master)) {
        const QString d = detail.toString();
        const QString m = master.toString();
        if (collation_ == ctASCII)
            result = d.compare(m, caseSensitive_ ? Qt::CaseSensitive : Qt::CaseInsensitive);
        else
            result = caseSensitive_ ? d.localeAwareCompare(m) : d.toLower().localeAwareCompare(m.toLower());
    } else {
        // Numbers numerically, dates chronologically: the variants' own order.
        const QPartialOrdering order = QVariant::compare(detail, master);
        result = order == QPartialOrdering::Less ? -1 : order == QPartialOrdering::Greater ? 1 : 0;
    }
    result = sign(result);
    return detailSortOrder_ == soDescending ? -result : result;
}
