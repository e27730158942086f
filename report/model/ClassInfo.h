#pragma once

#include "DefinedProperty.h"
#include "PropertyInfo.h"

#include <QList>

// What the report engine knows about one of its classes: the name by which
// templates create it, its base, and its published and defined properties.
// The component stream, the script bridge and the designer all read this,
// so no class writes its own serializer.
class ClassInfo {
public:
    using Factory = std::function<Persistent*(OwnedComponent* owner)>;

    ClassInfo(QString name, const ClassInfo* parent, Factory create = {});

    const QString& name() const { return name_; }
    const ClassInfo* parent() const { return parent_; }
    // Abstract classes have no factory.
    bool isCreatable() const { return bool(create_); }
    Persistent* create(OwnedComponent* owner) const;

    bool inheritsFrom(const ClassInfo& other) const;
    bool inheritsFrom(const QString& className) const;

    // Published properties in stream order: the base class's first, each
    // class's in declaration order. A class that declares an inherited
    // property again (ClassBuilder::republish) moves it to its own place.
    QList<const PropertyInfo*> properties() const;
    // By name without regard to case, own class first; none if unknown.
    const PropertyInfo* property(const QString& name) const;

    // Defined properties in writing order, the base class's first.
    QList<const DefinedProperty*> definedProperties() const;
    const DefinedProperty* definedProperty(const QString& name) const;

    void addProperty(PropertyInfo property) { ownProperties_.append(std::move(property)); }
    void addDefinedProperty(DefinedProperty property) { ownDefined_.append(std::move(property)); }
    PropertyInfo& lastProperty() { return ownProperties_.last(); }
    DefinedProperty& lastDefinedProperty() { return ownDefined_.last(); }

private:
    QString name_;
    const ClassInfo* parent_;
    Factory create_;
    QList<PropertyInfo> ownProperties_;
    QList<DefinedProperty> ownDefined_;
};
