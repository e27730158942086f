#include "ReportWizardState.h"

#include "TppResourceManager.h"
#include "WizardStrings.h"

#include <utility>

ReportWizardState::ReportWizardState(QStringList dataNames, FieldSource fields) : source_(std::move(fields)) {
    dataNames_ << LanguageString(kMsgNoDataName) << dataNames;
    dataName_ = dataNames_.first();
}

void ReportWizardState::setDataName(const QString& name) {
    if (!dataNames_.contains(name))
        return;
    dataName_ = name;
    selected_.clear();
    groups_.clear();
    fields_.clear();
    // "<None>" stands for no data at all.
    if (name != dataNames_.first() && source_)
        fields_ = source_(name);
}

const TppWizardField* ReportWizardState::field(const QString& name) const {
    for (const TppWizardField& entry : fields_)
        if (entry.fieldName == name)
            return &entry;
    return nullptr;
}

QList<TppWizardField> ReportWizardState::availableFields() const {
    QList<TppWizardField> available;
    for (const TppWizardField& entry : fields_)
        if (entry.selectable && !selected_.contains(entry.fieldName))
            available << entry;
    return available;
}

void ReportWizardState::selectField(const QString& name) {
    const TppWizardField* entry = field(name);
    if (entry && entry->selectable && !selected_.contains(name))
        selected_ << name;
}

void ReportWizardState::deselectField(const QString& name) {
    selected_.removeAll(name);
    groups_.removeAll(name);
}

void ReportWizardState::moveSelected(int from, int to) {
    if (from >= 0 && from < selected_.size() && to >= 0 && to < selected_.size())
        selected_.move(from, to);
}

QStringList ReportWizardState::groupableFields() const {
    QStringList names;
    for (const QString& name : selected_) {
        const TppDataType type = field(name)->dataType;
        if (type != dtMemo && type != dtBLOB && type != dtGraphic)
            names << name;
    }
    return names;
}

void ReportWizardState::addGroup(const QString& name) {
    if (groupableFields().contains(name) && !groups_.contains(name))
        groups_ << name;
}

void ReportWizardState::removeGroup(const QString& name) {
    groups_.removeAll(name);
}

void ReportWizardState::moveGroup(int from, int to) {
    if (from >= 0 && from < groups_.size() && to >= 0 && to < groups_.size())
        groups_.move(from, to);
}

TppReportWizardChoices ReportWizardState::choices() const {
    TppReportWizardChoices choices;
    choices.dataName = dataName_;
    for (const QString& name : selected_)
        choices.fields << *field(name);
    choices.groupFields = groups_;
    choices.layout = layout;
    choices.orientation = orientation;
    choices.style = style;
    choices.adjustFieldWidths = adjustFieldWidths;
    choices.description = description;
    return choices;
}
