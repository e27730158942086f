#pragma once

#include "TppRelative.h"
#include "TppTypes.h"

// One pair of fields that ties a detail pipeline's records to its master's
// current record. The detail's source must be sorted on its link fields in
// DetailSortOrder; the detail walks the run of records that match.
class TppMasterFieldLink : public TppRelative {
public:
    PW_CLASS_INFO

    explicit TppMasterFieldLink(OwnedComponent* owner = nullptr);
    ~TppMasterFieldLink() override;

    // Read from a template: a link joins its detail pipeline's links.
    bool SetParentComponent(OwnedComponent* parent) override;

    const QString& MasterFieldName() const { return masterFieldName_; }
    void SetMasterFieldName(const QString& name) { masterFieldName_ = name; }
    const QString& DetailFieldName() const { return detailFieldName_; }
    void SetDetailFieldName(const QString& name) { detailFieldName_ = name; }
    TppSortOrderType DetailSortOrder() const { return detailSortOrder_; }
    void SetDetailSortOrder(TppSortOrderType order) { detailSortOrder_ = order; }
    bool IsCaseSensitive() const { return caseSensitive_; }
    void SetIsCaseSensitive(bool value) { caseSensitive_ = value; }
    TppCollationType CollationType() const { return collation_; }
    void SetCollationType(TppCollationType type) { collation_ = type; }

    // -1, 0 or 1: where the detail value lies against the master value,
    // null after everything, texts by this link's case and collation rules,
    // and reversed for a descending detail.
    int Compare(const QVariant& detail, const QVariant& master) const;

private:
    QString masterFieldName_;
    QString detailFieldName_;
    TppSortOrderType detailSortOrder_ = soAscending;
    bool caseSensitive_ = false;
    TppCollationType collation_ = ctANSI;
};
