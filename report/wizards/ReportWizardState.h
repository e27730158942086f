#pragma once

#include "ReportWizardChoices.h"

#include <QStringList>
#include <functional>

// What the report wizard's pages edit, without widgets: the data names
// ("<None>" first), the fields of the chosen data, the fields chosen in
// print order, the group fields in priority order, and the settings of the
// later pages.
class ReportWizardState {
public:
    using FieldSource = std::function<QList<TppWizardField>(const QString& dataName)>;

    ReportWizardState(QStringList dataNames, FieldSource fields);

    const QStringList& dataNames() const { return dataNames_; }
    const QString& dataName() const { return dataName_; }
    // Another data name clears the chosen fields and groups and offers its fields.
    void setDataName(const QString& name);

    const QList<TppWizardField>& fields() const { return fields_; }
    // The offered fields not chosen yet, in the data's order.
    QList<TppWizardField> availableFields() const;
    const QStringList& selectedFields() const { return selected_; }
    void selectField(const QString& name);
    void deselectField(const QString& name);
    void moveSelected(int from, int to);

    // The chosen fields that can form groups (not memos, pictures or blobs).
    QStringList groupableFields() const;
    const QStringList& groupFields() const { return groups_; }
    void addGroup(const QString& name);
    void removeGroup(const QString& name);
    void moveGroup(int from, int to);
    void clearGroups() { groups_.clear(); }

    TppReportLayoutType layout = rlTabular;
    TPrinterOrientation orientation = poPortrait;
    TppReportStyleType style = rsCorporate;
    bool adjustFieldWidths = true;
    QString description;
    bool previewAfterwards = false;

    TppReportWizardChoices choices() const;

private:
    const TppWizardField* field(const QString& name) const;

    QStringList dataNames_;
    FieldSource source_;
    QString dataName_;
    QList<TppWizardField> fields_;
    QStringList selected_;
    QStringList groups_;
};
