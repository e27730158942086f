#pragma once

#include "PropertyInfo.h"

#include <QList>
#include <QVariant>
#include <optional>

class Persistent;

// One line of the property panel: a published property of the object, or
// of an object nested in it ("Font.Size"), as the class registry describes
// it. Properties that hold references, collections, lists, binary data or
// event names are left to dialogs and are not listed.
struct PropertyRow {
    QString path;
    PropertyKind kind = PropertyKind::Integer;
    QStringList enumNames;
    QVariant value;
    // The value differs from the declared default: shown in bold.
    bool changed = false;
    bool readOnly = false;
};

QList<PropertyRow> propertyRows(Persistent& object);

// The text the panel shows for a value, and the value a typed text means
// (none when it means nothing for the kind).
QString propertyText(const PropertyRow& row);
std::optional<QVariant> propertyValue(const PropertyRow& row, const QString& text);
