#include "ClassInfo.h"

ClassInfo::ClassInfo(QString name, const ClassInfo* parent, Factory create)
    : name_(std::move(name)), parent_(parent), create_(std::move(create)) {}

Persistent* ClassInfo::create(OwnedComponent* owner) const {
    return create_ ? create_(owner) : nullptr;
}

bool ClassInfo::inheritsFrom(const ClassInfo& other) const {
    for (const ClassInfo* info = this; info; info = info->parent_)
        if (info == &other)
            return true;
    return false;
}

bool ClassInfo::inheritsFrom(const QString& className) const {
    for (const ClassInfo* info = this; info; info = info->parent_)
        if (info->name_.compare(className, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QList<const PropertyInfo*> ClassInfo::properties() const {
    QList<const PropertyInfo*> list = parent_ ? parent_->properties() : QList<const PropertyInfo*>();
    for (const PropertyInfo& property : ownProperties_) {
        list.removeIf([&](const PropertyInfo* inherited) {
            return inherited->name.compare(property.name, Qt::CaseInsensitive) == 0;
        });
        list.append(&property);
    }
    return list;
}

const PropertyInfo* ClassInfo::property(const QString& name) const {
    for (const ClassInfo* info = this; info; info = info->parent_)
        for (const PropertyInfo& property : info->ownProperties_)
            if (property.name.compare(name, Qt::CaseInsensitive) == 0)
                return &property;
    return nullptr;
}

QList<const DefinedProperty*> ClassInfo::definedProperties() const {
    QList<const DefinedProperty*> list =
        parent_ ? parent_->definedProperties() : QList<const DefinedProperty*>();
    for (const DefinedProperty& property : ownDefined_)
        list.append(&property);
    return list;
}

const DefinedProperty* ClassInfo::definedProperty(const QString& name) const {
    for (const ClassInfo* info = this; info; info = info->parent_)
        for (const DefinedProperty& property : info->ownDefined_)
            if (property.name.compare(name, Qt::CaseInsensitive) == 0)
                return &property;
    return nullptr;
}
