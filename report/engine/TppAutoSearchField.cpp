#include "TppAutoSearchField.h"

#include "AutoSearchValues.h"
#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TppNotifyOperation.h"
#include "TppReport.h"

#include <QDateTime>

namespace {

// A descriptive setting kept in a plain member: the application reads it, nothing here acts on it.
template <class C, class V> C& setting(C& c, const char* name, V TppAutoSearchField::*member) {
    return c.property(
        name, [member](const TppAutoSearchField& f) { return f.*member; },
        [member](TppAutoSearchField& f, const V& v) { f.*member = v; });
}

} // namespace

const ClassInfo& TppAutoSearchField::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppAutoSearchField>("TppAutoSearchField", &TppRelative::staticClassInfo(), [](auto& c) {
            using F = TppAutoSearchField;
            setting(c, "Alignment", &F::Alignment)
                .names(enumerationNames("TAlignment"))
                .withDefault(taLeftJustify);
            c.property("DataType", &F::DataType, &F::SetDataType)
                .names(enumerationNames("TppDataType"))
                .withDefault(dtString);
            c.property("Delimiter", &F::Delimiter, &F::SetDelimiter);
            setting(c, "DisplayFormat", &F::DisplayFormat);
            setting(c, "DisplayWidth", &F::DisplayWidth).withDefault(10);
            c.property("FieldAlias", &F::FieldAlias, &F::SetFieldAlias);
            setting(c, "FieldLength", &F::FieldLength).withDefault(10);
            c.property("FieldName", &F::FieldName, &F::SetFieldName);
            setting(c, "GroupOrder", &F::GroupOrder).withDefault(-1);
            setting(c, "IsDetail", &F::IsDetail).withDefault(false);
            setting(c, "Linkable", &F::Linkable).withDefault(true);
            c.property("Mandatory", &F::Mandatory, &F::SetMandatory).withDefault(false);
            c.property("Position", &F::Position, &F::SetPosition).withDefault(-1);
            setting(c, "Search", &F::Search).withDefault(false);
            setting(c, "Searchable", &F::Searchable).withDefault(true);
            c.property("SearchExpression", &F::SearchExpression, &F::SetSearchExpression);
            c.property("SearchOperator", &F::SearchOperator, &F::SetSearchOperator)
                .names(enumerationNames("TppSearchOperatorType"))
                .withDefault(soEqual);
            setting(c, "SearchOrder", &F::SearchOrder).withDefault(-1);
            setting(c, "Selectable", &F::Selectable).withDefault(true);
            setting(c, "SelectOrder", &F::SelectOrder).withDefault(-1);
            c.property("ShowAllValues", &F::ShowAllValues, &F::SetShowAllValues).withDefault(false);
            setting(c, "Sort", &F::Sort).withDefault(false);
            setting(c, "Sortable", &F::Sortable).withDefault(true);
            setting(c, "SortExpression", &F::SortExpression);
            setting(c, "SortOrder", &F::SortOrder).withDefault(-1);
            setting(c, "SortType", &F::SortType)
                .names(enumerationNames("TppSortOrderType"))
                .withDefault(soAscending);
            c.property("TableAlias", &F::TableAlias, &F::SetTableAlias);
            c.property("TableName", &F::TableName, &F::SetTableName);
            c.property("WildCard", &F::WildCard, &F::SetWildCard);
            // The pipeline is named, not referred to: it belongs to the
            // application, which reads the criteria, and need not exist
            // where the template is loaded.
            c.defined("DataPipelineName", PropertyKind::String, &F::DataPipelineName,
                      [](F& f, const QVariant& v) { f.SetDataPipelineName(v.toString()); })
                .writtenWhen([](const F& f) { return !f.DataPipelineName().isEmpty(); });
        });
    return info;
}

TppAutoSearchField::TppAutoSearchField(OwnedComponent* owner) : TppRelative(owner) {}

TppAutoSearchField::~TppAutoSearchField() {
    markDestroying();
    SetDataObject(nullptr);
    SetReport(nullptr);
}

TppReport* TppAutoSearchField::Report() const {
    return dynamic_cast<TppReport*>(Parent());
}

void TppAutoSearchField::SetReport(TppReport* report) {
    SetParent(report);
}

void TppAutoSearchField::SetParent(TppRelative* parent) {
    if (parent == Parent())
        return;
    if (TppReport* old = Report())
        old->RemoveAutoSearchField(this);
    TppRelative::SetParent(parent);
    if (TppReport* report = Report())
        report->AddAutoSearchField(this);
}

bool TppAutoSearchField::SetParentComponent(OwnedComponent* parent) {
    auto* report = dynamic_cast<TppReport*>(parent);
    if (!report)
        return false;
    SetReport(report);
    return true;
}

void TppAutoSearchField::changed() {
    if (!isLoading() && OnChange)
        OnChange(this);
    Change();
}

void TppAutoSearchField::SetFieldName(const QString& name) {
    if (fieldAlias_ == fieldName_)
        fieldAlias_ = name;
    fieldName_ = name;
    changed();
}

void TppAutoSearchField::SetFieldAlias(const QString& alias) {
    fieldAlias_ = alias;
    Change();
}

void TppAutoSearchField::SetDataType(TppDataType type) {
    dataType_ = type;
    Change();
}

void TppAutoSearchField::SetSearchOperator(TppSearchOperatorType op) {
    searchOperator_ = op;
    changed();
}

void TppAutoSearchField::SetSearchExpression(const QString& expression) {
    searchExpression_ = expression;
    changed();
}

void TppAutoSearchField::SetShowAllValues(bool value) {
    showAllValues_ = value;
    if (value)
        mandatory_ = false;
    changed();
}

void TppAutoSearchField::SetMandatory(bool value) {
    mandatory_ = value;
    if (value)
        showAllValues_ = false;
    changed();
}

int TppAutoSearchField::ValueCount() const {
    return int(splitSearchExpression(searchExpression_).size());
}

QVariant TppAutoSearchField::Values(int index) const {
    const QStringList parts = splitSearchExpression(searchExpression_);
    if (index < 0 || index >= parts.size())
        return QString();
    const TppReport* report = Report();
    const FormatSettings settings = report ? report->LocaleSettings() : FormatSettings::invariant();
    const int year = report ? report->Now().date().year() : QDate::currentDate().year();
    return searchValue(parts[index], dataType_, wildCard_, settings, year);
}

QVariant TppAutoSearchField::Value() const {
    return Values(0);
}

void TppAutoSearchField::DisableCriteria() {
    enabled_ = false;
    if (OnChange)
        OnChange(this);
}

void TppAutoSearchField::SetDataObject(TppCommunicator* object) {
    if (object == dataObject_)
        return;
    if (dataObject_)
        UnlinkFrom(dataObject_);
    dataObject_ = object;
    if (dataObject_)
        LinkTo(dataObject_);
}

void TppAutoSearchField::Notify(TppCommunicator* sender, int operation) {
    TppRelative::Notify(sender, operation);
    if (operation == ppopRemove && sender == dataObject_)
        dataObject_ = nullptr;
}
