#pragma once

#include "TppRelative.h"
#include "TppTypes.h"

#include <QVariant>
#include <functional>

class TppReport;

// The comparison of a search criterion; templates and scripts hold it by ordinal or by name.
enum TppSearchOperatorType : int {
    soEqual,
    soNotEqual,
    soLessThan,
    soLessThanOrEqualTo,
    soGreaterThan,
    soGreaterThanOrEqualTo,
    soLike,
    soNotLike,
    soBetween,
    soNotBetween,
    soInList,
    soNotInList,
    soBlank,
    soNotBlank
};

// One search criterion of a report: a field of a pipeline, a comparison and
// the values a user searches for. The report does not filter by it: the
// application reads the criteria when the report asks for their values and
// filters its own data. The search dialog shows and edits them; the
// descriptive settings (sorting, selection, table names, Delimiter) and the
// enabled mark are kept for the application alone.
class TppAutoSearchField : public TppRelative {
public:
    PW_CLASS_INFO

    explicit TppAutoSearchField(OwnedComponent* owner = nullptr);
    ~TppAutoSearchField() override;

    TppReport* Report() const;
    void SetReport(TppReport* report);
    // Joins the criteria of the report that becomes the parent, and leaves the old one's.
    void SetParent(TppRelative* parent) override;
    // Read from a template: a criterion lives in its report.
    bool SetParentComponent(OwnedComponent* parent) override;

    const QString& DataPipelineName() const { return dataPipelineName_; }
    void SetDataPipelineName(const QString& name) { dataPipelineName_ = name; }
    const QString& FieldName() const { return fieldName_; }
    // The alias follows the name while it equalled the old name.
    void SetFieldName(const QString& name);
    const QString& FieldAlias() const { return fieldAlias_; }
    void SetFieldAlias(const QString& alias);
    const QString& TableName() const { return tableName_; }
    void SetTableName(const QString& value) { tableName_ = value; }
    const QString& TableAlias() const { return tableAlias_; }
    void SetTableAlias(const QString& value) { tableAlias_ = value; }
    TppDataType DataType() const { return dataType_; }
    void SetDataType(TppDataType type);
    TppSearchOperatorType SearchOperator() const { return searchOperator_; }
    void SetSearchOperator(TppSearchOperatorType op);
    const QString& SearchExpression() const { return searchExpression_; }
    void SetSearchExpression(const QString& expression);
    // Mandatory and ShowAllValues exclude each other: setting one clears the other.
    bool ShowAllValues() const { return showAllValues_; }
    void SetShowAllValues(bool value);
    bool Mandatory() const { return mandatory_; }
    void SetMandatory(bool value);
    const QString& WildCard() const { return wildCard_; }
    void SetWildCard(const QString& value) { wildCard_ = value; }
    const QString& Delimiter() const { return delimiter_; }
    void SetDelimiter(const QString& value) { delimiter_ = value; }

    TppFieldAlignment Alignment = taLeftJustify;
    QString DisplayFormat;
    int DisplayWidth = 10;
    int FieldLength = 10;
    bool IsDetail = false;
    bool Linkable = true;
    int GroupOrder = -1;
    bool Selectable = true;
    int SelectOrder = -1;
    bool Searchable = true;
    bool Search = false;
    int SearchOrder = -1;
    bool Sortable = true;
    bool Sort = false;
    int SortOrder = -1;
    TppSortOrderType SortType = soAscending;
    QString SortExpression;

    // The parts of SearchExpression, and each read by DataType (Value the
    // first, an empty text when there is none). Reading a part that does
    // not fit the type raises EDataError.
    int ValueCount() const;
    QVariant Values(int index) const;
    QVariant Value() const;

    bool Enabled() const { return enabled_; }
    // Clears the enabled mark, for the application to skip the criterion.
    void DisableCriteria();
    // Called on every change of operator, values, field name, mandatory or
    // show-all mark, except while the criterion is read.
    std::function<void(TppAutoSearchField*)> OnChange;

    // The object the criterion's data comes from, whose "Description" and
    // "AutoSearchTabOrder" group the criteria in the search dialog; linked,
    // so that it is forgotten when it goes.
    TppCommunicator* DataObject() const { return dataObject_; }
    void SetDataObject(TppCommunicator* object);

    void Notify(TppCommunicator* sender, int operation) override;

private:
    void changed();

    QString dataPipelineName_;
    QString fieldName_;
    QString fieldAlias_;
    QString tableName_;
    QString tableAlias_;
    TppDataType dataType_ = dtString;
    TppSearchOperatorType searchOperator_ = soEqual;
    QString searchExpression_;
    bool showAllValues_ = false;
    bool mandatory_ = false;
    QString wildCard_;
    QString delimiter_;
    bool enabled_ = true;
    TppCommunicator* dataObject_ = nullptr;
};
