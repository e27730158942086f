#include "TppField.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "PagewrightErrors.h"
#include "TppCustomDataPipeline.h"

const ClassInfo& TppField::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppField>("TppField", &TppRelative::staticClassInfo(), [](auto& c) {
            c.property("Alignment", &TppField::Alignment, &TppField::SetAlignment)
                .names(enumerationNames("TAlignment"))
                .withDefault(taLeftJustify);
            c.property("DataType", &TppField::DataType, &TppField::SetDataType)
                .names(enumerationNames("TppDataType"))
                .withDefault(dtString);
            c.property("DisplayFormat", &TppField::DisplayFormat, &TppField::SetDisplayFormat);
            c.property("DisplayWidth", &TppField::DisplayWidth, &TppField::SetDisplayWidth).withDefault(10);
            c.property("FieldAlias", &TppField::FieldAlias, &TppField::SetFieldAlias);
            c.property("FieldLength", &TppField::FieldLength, &TppField::SetFieldLength).withDefault(10);
            c.property("FieldName", &TppField::FieldName, &TppField::SetFieldName);
            c.property("GroupOrder", &TppField::GroupOrder, &TppField::SetGroupOrder).withDefault(-1);
            c.property("IsDetail", &TppField::IsDetail, &TppField::SetIsDetail).withDefault(false);
            c.property("Linkable", &TppField::Linkable, &TppField::SetLinkable).withDefault(true);
            c.property("Mandatory", &TppField::Mandatory, &TppField::SetMandatory).withDefault(false);
            c.property("Position", &TppField::Position, &TppField::SetPosition).withDefault(-1);
            c.property("Search", &TppField::Search, &TppField::SetSearch).withDefault(false);
            c.property("SearchExpression", &TppField::SearchExpression, &TppField::SetSearchExpression);
            c.property("SearchOrder", &TppField::SearchOrder, &TppField::SetSearchOrder).withDefault(-1);
            c.property("Searchable", &TppField::Searchable, &TppField::SetSearchable).withDefault(true);
            c.property("Selectable", &TppField::Selectable, &TppField::SetSelectable).withDefault(true);
            c.property("SelectOrder", &TppField::SelectOrder, &TppField::SetSelectOrder).withDefault(-1);
            c.property("ShowAllValues", &TppField::ShowAllValues, &TppField::SetShowAllValues)
                .withDefault(false);
            c.property("Sort", &TppField::Sort, &TppField::SetSort).withDefault(false);
            c.property("Sortable", &TppField::Sortable, &TppField::SetSortable).withDefault(true);
            c.property("SortExpression", &TppField::SortExpression, &TppField::SetSortExpression);
            c.property("SortOrder", &TppField::SortOrder, &TppField::SetSortOrder).withDefault(-1);
            c.property("SortType", &TppField::SortType, &TppField::SetSortType)
                .names(enumerationNames("TppSortOrderType"))
                .withDefault(soAscending);
            c.property("TableAlias", &TppField::TableAlias, &TppField::SetTableAlias);
            c.property("TableName", &TppField::TableName, &TppField::SetTableName);
            c.defined("Visible", PropertyKind::Boolean, nullptr, [](TppField&, const QVariant&) {});
        });
    return info;
}

TppField::TppField(OwnedComponent* owner) : TppRelative(owner) {}

TppField::~TppField() {
    markDestroying();
}

bool TppField::SetParentComponent(OwnedComponent* parent) {
    auto* pipeline = dynamic_cast<TppCustomDataPipeline*>(parent);
    if (!pipeline)
        return false;
    SetParent(pipeline);
    return true;
}

TppCustomDataPipeline* TppField::DataPipeline() const {
    return dynamic_cast<TppCustomDataPipeline*>(Parent());
}

void TppField::SetFieldName(const QString& name) {
    if (fieldAlias_ == fieldName_)
        fieldAlias_ = name;
    fieldName_ = name;
}

void TppField::SetDataType(TppDataType type) {
    if (const TppCustomDataPipeline* pipeline = DataPipeline();
        pipeline && !pipeline->IsDataTypeSupported(type))
        throw EInvalidPropertyError(QStringLiteral("DataType not supported by ") + pipeline->className());
    dataType_ = type;
}

void TppField::SetMandatory(bool value) {
    mandatory_ = value;
    if (value)
        showAllValues_ = false;
}

void TppField::SetShowAllValues(bool value) {
    showAllValues_ = value;
    if (value)
        mandatory_ = false;
}

QString TppField::AsString() const {
    TppCustomDataPipeline* pipeline = DataPipeline();
    return pipeline ? pipeline->GetFieldAsString(fieldName_) : QString();
}

double TppField::AsDouble() const {
    TppCustomDataPipeline* pipeline = DataPipeline();
    return pipeline ? pipeline->GetFieldAsDouble(fieldName_) : 0;
}

bool TppField::IsNull() const {
    TppCustomDataPipeline* pipeline = DataPipeline();
    return pipeline ? pipeline->GetFieldIsNull(fieldName_) : true;
}

QVariant TppField::Value() const {
    TppCustomDataPipeline* pipeline = DataPipeline();
    return pipeline ? pipeline->GetFieldValue(fieldName_) : QVariant();
}

bool TppField::sameAs(const TppField& other) const {
    if (Position() != other.Position())
        return false;
    for (const PropertyInfo* property : classInfo().properties())
        if (property->get && property->get(*this) != property->get(other))
            return false;
    return true;
}
