#pragma once

#include "DisplayFormatChoices.h"
#include "PropertyRows.h"

#include <QTableWidget>

class DesignerController;
class OwnedComponent;

// The selection's published properties, from the class registry: one row
// each, changed values in bold, enumerations and Booleans chosen from
// their names, colours by name, sets as checkable flags, references from
// the components that fit. An edit goes to the controller, so it can be undone.
class PropertyPanel : public QTableWidget {
    Q_OBJECT
public:
    explicit PropertyPanel(DesignerController& controller, QWidget* parent = nullptr);

    // The object shown; none empties the panel.
    void setObject(OwnedComponent* object);
    OwnedComponent* object() const { return object_; }
    // The row of a property, -1 if it is not shown.
    int rowOf(const QString& path) const;
    // What the user types into the value cell of a row, as an edit does.
    void editProperty(const QString& path, const QString& text);
    void refresh();

    // May change the display formats offered for a component's DisplayFormat.
    DisplayFormatsHook onGetDisplayFormats;

private:
    // DisplayFormat is typed or picked from the formats that fit the component's data.
    void addDisplayFormatChoice(int index, const PropertyRow& row);
    void cellEdited(int row, int column);
    void setFlag(const QString& path, unsigned bits);

    DesignerController& controller_;
    OwnedComponent* object_ = nullptr;
    QString objectName_;
    QList<PropertyRow> rows_;
    bool filling_ = false;
};
