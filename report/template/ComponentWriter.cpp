#include "ComponentWriter.h"

#include "AnsiText.h"
#include "BinaryStreamWriter.h"
#include "ClassInfo.h"
#include "IntegerIdents.h"
#include "OwnedComponent.h"
#include "PagewrightErrors.h"
#include "PersistentCollection.h"

#include <cmath>

StreamObject ComponentWriter::describe(const OwnedComponent& component) const {
    StreamObject object;
    object.className = component.className().toLatin1();
    object.name = component.Name().toLatin1();
    addProperties(object.properties, component, QByteArray());
    for (const OwnedComponent* child : component.GetChildren())
        object.children.push_back(describe(*child));
    return object;
}

void ComponentWriter::addProperties(std::vector<StreamProperty>& properties, const Persistent& object,
                                    const QByteArray& prefix) const {
    const ClassInfo& info = object.classInfo();
    for (const PropertyInfo* property : info.properties())
        addPublished(properties, object, *property, prefix);
    for (const DefinedProperty* property : info.definedProperties())
        if (property->isWritten(object)) {
            const QByteArray name = prefix + property->name.toLatin1();
            properties.push_back({name, valueOf(property->value(object), property->kind, nullptr, name)});
        }
}

void ComponentWriter::addPublished(std::vector<StreamProperty>& properties, const Persistent& object,
                                   const PropertyInfo& property, const QByteArray& prefix) const {
    if (!property.isStored(object))
        return;
    const QByteArray name = prefix + property.name.toLatin1();
    // The getters of nested objects hand out the holder's own member; the
    // writer only reads through it.
    auto& holder = const_cast<Persistent&>(object);
    switch (property.kind) {
    case PropertyKind::Object:
        if (Persistent* nested = property.object ? property.object(holder) : nullptr)
            addProperties(properties, *nested, name + '.');
        return;
    case PropertyKind::Collection: {
        auto* collection =
            property.object ? dynamic_cast<PersistentCollection*>(property.object(holder)) : nullptr;
        if (!collection || collection->count() == 0)
            return;
        StreamValue value = StreamValue::withTag(ValueTag::Collection);
        value.collection = collectionItems(*collection);
        properties.push_back({name, std::move(value)});
        return;
    }
    case PropertyKind::Reference:
        if (const OwnedComponent* target = property.getReference(object))
            properties.push_back({name, StreamValue::fromIdent(referenceName(*target, name))});
        return;
    case PropertyKind::StringList:
        if (!property.isDefault(object))
            properties.push_back(
                {name + ".Strings", valueOf(property.get(object), property.kind, &property, name)});
        return;
    default:
        if (!property.isDefault(object))
            properties.push_back({name, valueOf(property.get(object), property.kind, &property, name)});
        return;
    }
}

std::vector<StreamCollectionItem> ComponentWriter::collectionItems(Persistent& collection) const {
    auto& items = static_cast<PersistentCollection&>(collection);
    std::vector<StreamCollectionItem> written;
    for (int index = 0; index < items.count(); ++index) {
        StreamCollectionItem item;
        addProperties(item.properties, *items.item(index), QByteArray());
        written.push_back(std::move(item));
    }
    return written;
}

StreamValue ComponentWriter::valueOf(const QVariant& value, PropertyKind kind, const PropertyInfo* property,
                                     const QByteArray& name) const {
    switch (kind) {
    case PropertyKind::Integer:
        if (property && property->idents)
            if (const std::optional<QString> ident = property->idents->nameOf(value.toInt()))
                return StreamValue::fromIdent(ident->toLatin1());
        return StreamValue::fromInteger(value.toInt());
    case PropertyKind::Int64:
        return StreamValue::fromInteger(value.toLongLong());
    case PropertyKind::Extended:
    case PropertyKind::Double:
        return StreamValue::fromExtended(Extended80::fromDouble(value.toDouble()));
    case PropertyKind::Single:
        return StreamValue::fromSingle(value.toFloat());
    case PropertyKind::Currency: {
        const double units = std::nearbyint(value.toDouble() * 10000);
        if (!(units >= -0x1p63 && units < 0x1p63))
            throw ETemplateSaveError(QStringLiteral("Cannot write %1: %2 is no currency amount")
                                         .arg(QString::fromLatin1(name))
                                         .arg(value.toDouble()));
        return StreamValue::fromCurrency(qint64(units));
    }
    case PropertyKind::DateTime:
        return StreamValue::fromDate(value.toDouble());
    case PropertyKind::Boolean:
        return StreamValue::fromBoolean(value.toBool());
    case PropertyKind::Enumeration: {
        const int ordinal = value.toInt();
        if (property && ordinal >= 0 && ordinal < property->enumNames.size())
            return StreamValue::fromIdent(property->enumNames[ordinal].toLatin1());
        return StreamValue::fromInteger(ordinal);
    }
    case PropertyKind::Set: {
        QList<QByteArray> elements;
        const unsigned mask = value.toUInt();
        const QStringList names = property ? property->enumNames : QStringList();
        for (int bit = 0; bit < names.size() && bit < 32; ++bit)
            if (mask & (1u << bit))
                elements << names[bit].toLatin1();
        return StreamValue::fromSet(elements);
    }
    case PropertyKind::Binary:
        return StreamValue::fromBinary(value.toByteArray());
    case PropertyKind::Event:
        return StreamValue::fromIdent(identifier(value.toString(), name));
    case PropertyKind::StringList: {
        StreamValue list = StreamValue::withTag(ValueTag::List);
        for (const QString& line : value.toStringList())
            list.items.push_back(StreamValue::fromString(line));
        return list;
    }
    case PropertyKind::String:
    default:
        return StreamValue::fromString(value.toString());
    }
}

QByteArray ComponentWriter::identifier(const QString& name, const QByteArray& property) const {
    const QByteArray bytes = name.toLatin1();
    if (!isAscii(name) || !isDottedIdentifier(bytes))
        throw ETemplateSaveError(QStringLiteral("Cannot write %1: \"%2\" is not an identifier")
                                     .arg(QString::fromLatin1(property), name));
    return bytes;
}

QByteArray ComponentWriter::referenceName(const OwnedComponent& target, const QByteArray& property) const {
    const OwnedComponent* owner = target.Owner();
    if (&target == root_ || !owner || owner == root_ || !root_)
        return identifier(target.Name(), property);
    return identifier(owner->Name() + u'.' + target.Name(), property);
}

void WriteSignature(QByteArray& out) {
    BinaryStreamWriter(out).WriteSignature();
}

void WriteComponent(QByteArray& out, const OwnedComponent* root, const OwnedComponent& component) {
    BinaryStreamWriter(out).writeObject(ComponentWriter(root).describe(component));
}

QByteArray WriteComponents(const QList<const OwnedComponent*>& components, const OwnedComponent* root,
                           StreamForm form) {
    const ComponentWriter writer(root);
    std::vector<StreamObject> objects;
    for (const OwnedComponent* component : components)
        objects.push_back(writer.describe(*component));
    try {
        return writeComponentStream(objects, form);
    } catch (const ETemplateLoadError& error) {
        // The text form refuses values it cannot hold back; here that fails a save.
        throw ETemplateSaveError(error.message());
    }
}
