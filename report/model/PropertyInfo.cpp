#include "PropertyInfo.h"

bool PropertyInfo::isOrdinal() const {
    switch (kind) {
    case PropertyKind::Integer:
    case PropertyKind::Int64:
    case PropertyKind::Boolean:
    case PropertyKind::Enumeration:
    case PropertyKind::Set:
        return true;
    default:
        return false;
    }
}

bool PropertyInfo::isDefault(const Persistent& object) const {
    if (isOrdinal())
        return defaultValue && get(object) == *defaultValue;
    switch (kind) {
    case PropertyKind::Extended:
    case PropertyKind::Single:
    case PropertyKind::Double:
    case PropertyKind::Currency:
    case PropertyKind::DateTime:
        return get(object).toDouble() == 0;
    case PropertyKind::String:
        if (initialText)
            return get(object).toString() == *initialText;
        return get(object).toString().isEmpty();
    case PropertyKind::Event:
        return get(object).toString().isEmpty();
    case PropertyKind::Binary:
        return get(object).toByteArray().isEmpty();
    case PropertyKind::StringList:
        return get(object).toStringList().isEmpty();
    case PropertyKind::Reference:
        return getReference(object) == nullptr;
    default:
        return false;
    }
}

int PropertyInfo::enumIndex(const QString& identifier) const {
    for (int i = 0; i < enumNames.size(); ++i)
        if (enumNames[i].compare(identifier, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}
