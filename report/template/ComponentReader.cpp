#include "ComponentReader.h"

#include "ClassRegistry.h"
#include "ComponentNames.h"
#include "ComponentStream.h"
#include "IntegerIdents.h"
#include "OwnedComponent.h"
#include "PagewrightErrors.h"
#include "PersistentCollection.h"

namespace {

QString displayName(const StreamObject& object) {
    return QString::fromLatin1(object.name.isEmpty() ? object.className : object.name);
}

QString errorText(const std::exception& error) {
    if (const auto* own = dynamic_cast<const Exception*>(&error))
        return own->message();
    return QString::fromLocal8Bit(error.what());
}

[[noreturn]] void invalidValue(const QString& detail = QString()) {
    throw ETemplateLoadError(detail.isEmpty() ? QStringLiteral("Invalid property value")
                                              : QStringLiteral("Invalid property value: ") + detail);
}

QString tagName(const StreamValue& value) {
    static const char* const names[] = {
        "Null",     "a list",        "an integer",   "an integer", "an integer",        "a float",
        "a string", "an identifier", "False",        "True",       "binary data",       "a set",
        "a string", "nil",           "a collection", "a float",    "a currency amount", "a date",
        "a string", "an integer",    "a string"};
    return QString::fromLatin1(names[int(value.tag)]);
}

[[noreturn]] void wrongKind(const StreamValue& value, const char* expected) {
    invalidValue(QStringLiteral("%1 where %2 belongs").arg(tagName(value), QLatin1String(expected)));
}

int toInt(const StreamValue& value) {
    if (!value.isInteger() || value.integer < std::numeric_limits<int>::min() ||
        value.integer > std::numeric_limits<int>::max())
        wrongKind(value, "a 32-bit integer");
    return int(value.integer);
}

QVariant genericValue(const StreamValue& value) {
    if (value.isInteger())
        return QVariant(value.integer);
    if (value.isNumber())
        return QVariant(value.toDouble());
    if (value.isString())
        return QVariant(value.toString());
    switch (value.tag) {
    case ValueTag::Ident:
        return QVariant(QString::fromLatin1(value.bytes));
    case ValueTag::False:
    case ValueTag::True:
        return QVariant(value.tag == ValueTag::True);
    case ValueTag::Binary:
        return QVariant(value.bytes);
    case ValueTag::Set: {
        QStringList elements;
        for (const QByteArray& element : value.elements)
            elements << QString::fromLatin1(element);
        return QVariant(elements);
    }
    case ValueTag::List: {
        QVariantList items;
        for (const StreamValue& item : value.items)
            items << genericValue(item);
        return QVariant(items);
    }
    case ValueTag::Collection:
        wrongKind(value, "a simple value");
    default:
        return QVariant();
    }
}

// A value for a property of `kind`; `property` supplies the names of
// enumerations, sets and colours.
QVariant typedValue(PropertyKind kind, const PropertyInfo* property, const StreamValue& value) {
    switch (kind) {
    case PropertyKind::Integer:
        if (value.tag == ValueTag::Ident && property && property->idents) {
            if (const std::optional<int> number = property->idents->valueOf(QString::fromLatin1(value.bytes)))
                return QVariant(*number);
            invalidValue(QStringLiteral("unknown name %1").arg(QString::fromLatin1(value.bytes)));
        }
        return QVariant(toInt(value));
    case PropertyKind::Int64:
        if (!value.isInteger())
            wrongKind(value, "an integer");
        return QVariant(value.integer);
    case PropertyKind::Extended:
    case PropertyKind::Single:
    case PropertyKind::Double:
    case PropertyKind::Currency:
    case PropertyKind::DateTime:
        if (!value.isNumber())
            wrongKind(value, "a number");
        return QVariant(value.toDouble());
    case PropertyKind::String:
        if (!value.isString())
            wrongKind(value, "a string");
        return QVariant(value.toString());
    case PropertyKind::Boolean:
        if (value.tag != ValueTag::False && value.tag != ValueTag::True)
            wrongKind(value, "True or False");
        return QVariant(value.tag == ValueTag::True);
    case PropertyKind::Enumeration:
        if (value.tag == ValueTag::Ident && property) {
            const int ordinal = property->enumIndex(QString::fromLatin1(value.bytes));
            if (ordinal < 0)
                invalidValue(QStringLiteral("unknown name %1").arg(QString::fromLatin1(value.bytes)));
            return QVariant(ordinal);
        }
        return QVariant(toInt(value));
    case PropertyKind::Set: {
        if (value.tag != ValueTag::Set)
            wrongKind(value, "a set");
        unsigned mask = 0;
        for (const QByteArray& element : value.elements) {
            const int bit = property ? property->enumIndex(QString::fromLatin1(element)) : -1;
            if (bit < 0 || bit >= 32)
                invalidValue(QStringLiteral("unknown set element %1").arg(QString::fromLatin1(element)));
            mask |= 1u << bit;
        }
        return QVariant(mask);
    }
    case PropertyKind::Binary:
        if (value.tag != ValueTag::Binary)
            wrongKind(value, "binary data");
        return QVariant(value.bytes);
    case PropertyKind::Event:
        if (value.tag == ValueTag::Nil)
            return QVariant(QString());
        if (value.tag != ValueTag::Ident)
            wrongKind(value, "a method name");
        return QVariant(QString::fromLatin1(value.bytes));
    case PropertyKind::StringList: {
        if (value.tag != ValueTag::List)
            wrongKind(value, "a list of strings");
        QStringList lines;
        for (const StreamValue& item : value.items) {
            if (!item.isString())
                wrongKind(item, "a string");
            lines << item.toString();
        }
        return QVariant(lines);
    }
    case PropertyKind::Object:
    case PropertyKind::Reference:
    case PropertyKind::Collection:
        break;
    }
    invalidValue();
}

} // namespace

ComponentReader::ComponentReader(OwnedComponent& owner, OwnedComponent* root, ReadOptions options)
    : owner_(owner), root_(root ? root : &owner), options_(std::move(options)) {}

ComponentReader::~ComponentReader() = default;

ReadResult ComponentReader::read(const std::vector<StreamObject>& objects) {
    staging_ = std::make_unique<OwnedComponent>();
    created_.clear();
    renames_.clear();
    renamed_.clear();
    pending_.clear();

    ReadResult result;
    try {
        for (const StreamObject& object : objects)
            if (OwnedComponent* component = readObject(object, nullptr))
                result.components << component;
        resolveReferences(result);
        // Only now does anything join the owner; a relative brings its
        // children along. Whatever the objects made for themselves while
        // being read comes too: they still hold it.
        while (staging_->ComponentCount() > 0)
            staging_->Components(0)->ChangeOwner(&owner_);
        staging_.reset();
        for (OwnedComponent* component : std::as_const(created_))
            component->Loaded();
    } catch (const ETemplateLoadError&) {
        discardAll();
        throw;
    } catch (const std::exception& error) {
        discardAll();
        throw ETemplateLoadError(QStringLiteral("Error loading the stream: ") + errorText(error));
    }
    result.renamed = renamed_;
    if (options_.onComponent)
        for (OwnedComponent* component : std::as_const(result.components))
            options_.onComponent(component);
    return result;
}

void ComponentReader::report(const QString& message, const QString& place) {
    const QString text = place.isEmpty() ? message : message + QStringLiteral(" (") + place + u')';
    if (options_.onError && options_.onError(text))
        return;
    throw ETemplateLoadError(text);
}

OwnedComponent* ComponentReader::create(const StreamObject& object) {
    const QString className = QString::fromLatin1(object.className);
    const QString where = QStringLiteral("Error reading %1: ").arg(displayName(object));
    if (object.flags & (ofInherited | ofInline)) {
        report(where + QStringLiteral(
                           "inherited and inline objects need an ancestor, which this stream does not have"),
               object.place);
        return nullptr;
    }
    const ClassInfo* info = ClassRegistry::instance().find(className);
    if (!info) {
        report(where + QStringLiteral("Class %1 not found").arg(className), object.place);
        return nullptr;
    }
    Persistent* created = nullptr;
    try {
        created = info->create(staging_.get());
    } catch (const std::exception& error) {
        report(where + errorText(error), object.place);
        return nullptr;
    }
    auto* component = dynamic_cast<OwnedComponent*>(created);
    if (!component) {
        delete created;
        report(where + QStringLiteral("Cannot create an object of class %1").arg(className), object.place);
        return nullptr;
    }
    created_ << component;
    component->setState(OwnedComponent::Loading, true);
    component->setState(OwnedComponent::Reading, true);
    return component;
}

OwnedComponent* ComponentReader::readObject(const StreamObject& object, OwnedComponent* parent) {
    OwnedComponent* component = create(object);
    if (!component)
        return nullptr;
    const QString objectName = displayName(object);
    try {
        name(*component, QString::fromLatin1(object.name));
        if (parent && !component->SetParentComponent(parent))
            throw ETemplateLoadError(QStringLiteral("a %1 cannot be placed in %2 (%3)")
                                         .arg(component->className(), parent->Name(), parent->className()));
    } catch (const std::exception& error) {
        discard(component);
        report(QStringLiteral("Error reading %1: %2").arg(objectName, errorText(error)), object.place);
        return nullptr;
    }
    const Locator self = [component] { return static_cast<Persistent*>(component); };
    for (const StreamProperty& property : object.properties) {
        const QString where = objectName + u'.' + QString::fromLatin1(property.name);
        try {
            assign(*component, self, property, where);
        } catch (const std::exception& error) {
            report(QStringLiteral("Error reading %1: %2").arg(where, errorText(error)), property.place);
        }
    }
    component->setState(OwnedComponent::Reading, false);
    for (const StreamObject& child : object.children)
        readObject(child, component);
    return component;
}

bool ComponentReader::isTaken(const QString& name) const {
    return staging_->FindComponent(name) || owner_.FindComponent(name);
}

void ComponentReader::name(OwnedComponent& component, const QString& stored) {
    if (stored.isEmpty())
        return;
    if (!isTaken(stored)) {
        component.SetName(stored);
        return;
    }
    const QString base = ClassNameWithoutT(component);
    QString fresh;
    for (int number = 1; fresh.isEmpty() || isTaken(fresh); ++number)
        fresh = base + QString::number(number);
    component.SetName(fresh);
    renamed_.append({stored, &component});
    renames_.insert(stored.toLower(), &component);
}

void ComponentReader::assign(OwnedComponent& component, const Locator& holder, const StreamProperty& property,
                             const QString& where) {
    const QList<QByteArray> path = property.name.split('.');
    Locator current = holder;
    for (qsizetype step = 0; step + 1 < path.size(); ++step) {
        Persistent* object = current();
        const PropertyInfo* nested = object->classInfo().property(QString::fromLatin1(path[step]));
        // A string list stores its lines as "<name>.Strings".
        if (nested && nested->kind == PropertyKind::StringList && step + 2 == path.size() &&
            path[step + 1].compare("Strings", Qt::CaseInsensitive) == 0) {
            if (!nested->set)
                throw ETemplateLoadError(QStringLiteral("Property %1 cannot be set").arg(nested->name));
            nested->set(*object, typedValue(nested->kind, nested, property.value));
            return;
        }
        if (!nested || nested->kind != PropertyKind::Object || !nested->object || !nested->object(*object))
            throw ETemplateLoadError(
                QStringLiteral("Property %1 does not exist").arg(QString::fromLatin1(path[step])));
        current = [current, nested] { return nested->object(*current()); };
    }
    Persistent* object = current();
    const QString name = QString::fromLatin1(path.last());
    const ClassInfo& info = object->classInfo();
    if (const PropertyInfo* published = info.property(name)) {
        assignPublished(component, current, *published, property.value, where);
        return;
    }
    const DefinedProperty* defined = info.definedProperty(name);
    if (!defined)
        throw ETemplateLoadError(QStringLiteral("Property %1 does not exist").arg(name));
    // Names only older templates hold take whatever those stored.
    defined->assign(*object, defined->value ? typedValue(defined->kind, nullptr, property.value)
                                            : genericValue(property.value));
}

void ComponentReader::assignPublished(OwnedComponent& component, const Locator& holder,
                                      const PropertyInfo& property, const StreamValue& value,
                                      const QString& where) {
    Persistent& object = *holder();
    switch (property.kind) {
    case PropertyKind::Reference:
        if (value.tag == ValueTag::Nil) {
            property.setReference(object, nullptr);
            return;
        }
        if (value.tag != ValueTag::Ident)
            wrongKind(value, "a component name");
        pending_.append({&component, holder, &property, QString::fromLatin1(value.bytes), where});
        return;
    case PropertyKind::Collection:
        assignCollection(component, holder, property, value, where);
        return;
    case PropertyKind::Object:
        throw ETemplateLoadError(
            QStringLiteral("Property %1 holds an object, not a value").arg(property.name));
    default:
        if (!property.set)
            throw ETemplateLoadError(QStringLiteral("Property %1 cannot be set").arg(property.name));
        property.set(object, typedValue(property.kind, &property, value));
    }
}

void ComponentReader::assignCollection(OwnedComponent& component, const Locator& holder,
                                       const PropertyInfo& property, const StreamValue& value,
                                       const QString& where) {
    if (value.tag != ValueTag::Collection)
        wrongKind(value, "a collection");
    const Locator collection = [holder, &property] {
        return static_cast<PersistentCollection*>(property.object(*holder()));
    };
    PersistentCollection* items = static_cast<PersistentCollection*>(collection());
    if (!items)
        throw ETemplateLoadError(QStringLiteral("Property %1 does not exist").arg(property.name));
    items->clear();
    for (const StreamCollectionItem& stored : value.collection) {
        const int index = items->count();
        items->add();
        const Locator item = [collection, index] {
            auto* list = static_cast<PersistentCollection*>(collection());
            return list && index < list->count() ? list->item(index) : nullptr;
        };
        for (const StreamProperty& itemProperty : stored.properties)
            assign(component, item, itemProperty, where + u'.' + QString::fromLatin1(itemProperty.name));
    }
}

void ComponentReader::resolveReferences(ReadResult& result) {
    for (const PendingReference& reference : std::as_const(pending_)) {
        Persistent* holder = reference.holder();
        if (!holder)
            continue;
        OwnedComponent* target = findReference(reference.name);
        if (!target) {
            result.unresolvedReferences << reference.where + QStringLiteral(": ") + reference.name;
            continue;
        }
        try {
            reference.property->setReference(*holder, target);
        } catch (const std::exception& error) {
            report(QStringLiteral("Error reading %1: %2").arg(reference.where, errorText(error)));
        }
    }
}

OwnedComponent* ComponentReader::findReference(const QString& name) const {
    if (OwnedComponent* renamed = renames_.value(name.toLower()))
        return renamed;
    const qsizetype dot = name.indexOf(u'.');
    if (dot < 0) {
        if (OwnedComponent* read = staging_->FindComponent(name))
            return read;
        if (OwnedComponent* owned = owner_.FindComponent(name))
            return owned;
        if (root_->Name().compare(name, Qt::CaseInsensitive) == 0)
            return root_;
        return root_->FindComponent(name);
    }
    // "Form2.Table1": a component of another root beside this one.
    const QString rootName = name.left(dot);
    const OwnedComponent* otherRoot = root_->Name().compare(rootName, Qt::CaseInsensitive) == 0 ? root_
                                      : root_->Owner() ? root_->Owner()->FindComponent(rootName)
                                                       : nullptr;
    return otherRoot ? otherRoot->FindComponent(name.mid(dot + 1)) : nullptr;
}

void ComponentReader::discard(OwnedComponent* component) {
    created_.removeOne(component);
    pending_.removeIf([&](const PendingReference& reference) { return reference.component == component; });
    renamed_.removeIf([&](const auto& entry) { return entry.second == component; });
    for (auto it = renames_.begin(); it != renames_.end();)
        it = it.value() == component ? renames_.erase(it) : std::next(it);
    delete component;
}

void ComponentReader::discardAll() {
    // Those that joined the owner first: freeing a parent frees its children,
    // wherever they are; then whatever is still apart.
    for (qsizetype i = created_.size() - 1; i >= 0; --i)
        if (owner_.components().contains(created_[i]))
            delete created_[i];
    created_.clear();
    staging_.reset();
}

ReadResult ReadComponents(QByteArrayView data, OwnedComponent& owner, OwnedComponent* root,
                          const ReadOptions& options) {
    return ComponentReader(owner, root, options).read(parseComponentStream(data));
}
