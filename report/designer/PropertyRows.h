#pragma once

#include "PropertyInfo.h"

#include <QList>
#include <QVariant>
#include <optional>

class IntegerIdents;
class OwnedComponent;
class Persistent;

// One line of the property panel: a published property of the object, or
// of an object nested in it ("Font.Size"), as the class registry describes
// it. References are listed by the name of what they refer to; collections,
// lists, binary data and event names are left to dialogs and are not listed.
struct PropertyRow {
    QString path;
    PropertyKind kind = PropertyKind::Integer;
    QStringList enumNames;
    QVariant value;
    // The value differs from the declared default: shown in bold.
    bool changed = false;
    bool readOnly = false;
    // Integer values with names (colours), and what a reference may name.
    const IntegerIdents* idents = nullptr;
    QStringList candidates;
};

// `scope` holds the components a reference may name.
QList<PropertyRow> propertyRows(Persistent& object, const OwnedComponent* scope = nullptr);

// The text the panel shows for a value, and the value a typed text means
// (none when it means nothing for the kind).
QString propertyText(const PropertyRow& row);
std::optional<QVariant> propertyValue(const PropertyRow& row, const QString& text);
