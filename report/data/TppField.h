#pragma once

#include "TppRelative.h"
#include "TppTypes.h"

#include <QVariant>

class TppCustomDataPipeline;

// The description of one field of a pipeline: its name and alias, type and
// widths, and the descriptive settings the query designer and the search
// dialog read (the pipeline itself does not act on them). Values are read
// through the pipeline by field name.
class TppField : public TppRelative {
public:
    PW_CLASS_INFO

    explicit TppField(OwnedComponent* owner = nullptr);
    ~TppField() override;

    TppCustomDataPipeline* DataPipeline() const;
    // Read from a template: a field lives in its pipeline.
    bool SetParentComponent(OwnedComponent* parent) override;

    const QString& FieldName() const { return fieldName_; }
    // The alias follows the name while it equalled the old name.
    void SetFieldName(const QString& name);
    const QString& FieldAlias() const { return fieldAlias_; }
    void SetFieldAlias(const QString& alias) { fieldAlias_ = alias; }
    TppDataType DataType() const { return dataType_; }
    // Throws EInvalidPropertyError for a type the pipeline cannot hold.
    void SetDataType(TppDataType type);
    int FieldLength() const { return fieldLength_; }
    void SetFieldLength(int length) { fieldLength_ = length; }
    int DisplayWidth() const { return displayWidth_; }
    void SetDisplayWidth(int width) { displayWidth_ = width; }
    const QString& DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const QString& format) { displayFormat_ = format; }
    TppFieldAlignment Alignment() const { return alignment_; }
    void SetAlignment(TppFieldAlignment alignment) { alignment_ = alignment; }
    bool IsDetail() const { return isDetail_; }
    void SetIsDetail(bool value) { isDetail_ = value; }
    bool Linkable() const { return linkable_; }
    void SetLinkable(bool value) { linkable_ = value; }
    // Mandatory and ShowAllValues exclude each other.
    bool Mandatory() const { return mandatory_; }
    void SetMandatory(bool value);
    bool ShowAllValues() const { return showAllValues_; }
    void SetShowAllValues(bool value);
    int GroupOrder() const { return groupOrder_; }
    void SetGroupOrder(int value) { groupOrder_ = value; }
    bool Selectable() const { return selectable_; }
    void SetSelectable(bool value) { selectable_ = value; }
    int SelectOrder() const { return selectOrder_; }
    void SetSelectOrder(int value) { selectOrder_ = value; }
    bool Searchable() const { return searchable_; }
    void SetSearchable(bool value) { searchable_ = value; }
    bool Search() const { return search_; }
    void SetSearch(bool value) { search_ = value; }
    const QString& SearchExpression() const { return searchExpression_; }
    void SetSearchExpression(const QString& value) { searchExpression_ = value; }
    int SearchOrder() const { return searchOrder_; }
    void SetSearchOrder(int value) { searchOrder_ = value; }
    bool Sortable() const { return sortable_; }
    void SetSortable(bool value) { sortable_ = value; }
    bool Sort() const { return sort_; }
    void SetSort(bool value) { sort_ = value; }
    int SortOrder() const { return sortOrder_; }
    void SetSortOrder(int value) { sortOrder_ = value; }
    TppSortOrderType SortType() const { return sortType_; }
    void SetSortType(TppSortOrderType value) { sortType_ = value; }
    const QString& SortExpression() const { return sortExpression_; }
    void SetSortExpression(const QString& value) { sortExpression_ = value; }
    const QString& TableAlias() const { return tableAlias_; }
    void SetTableAlias(const QString& value) { tableAlias_ = value; }
    const QString& TableName() const { return tableName_; }
    void SetTableName(const QString& value) { tableName_ = value; }

    // The current record's value through the pipeline; without one: empty
    // text, 0, null.
    QString AsString() const;
    double AsDouble() const;
    bool IsNull() const;
    QVariant Value() const;

    // Equal when every published property and the position are.
    bool sameAs(const TppField& other) const;

private:
    QString fieldName_;
    QString fieldAlias_;
    TppDataType dataType_ = dtString;
    int fieldLength_ = 10;
    int displayWidth_ = 10;
    QString displayFormat_;
    TppFieldAlignment alignment_ = taLeftJustify;
    bool isDetail_ = false;
    bool linkable_ = true;
    bool mandatory_ = false;
    bool showAllValues_ = false;
    int groupOrder_ = -1;
    bool selectable_ = true;
    int selectOrder_ = -1;
    bool searchable_ = true;
    bool search_ = false;
    QString searchExpression_;
    int searchOrder_ = -1;
    bool sortable_ = true;
    bool sort_ = false;
    int sortOrder_ = -1;
    TppSortOrderType sortType_ = soAscending;
    QString sortExpression_;
    QString tableAlias_;
    QString tableName_;
};
