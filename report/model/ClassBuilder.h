#pragma once

#include "ClassInfo.h"
#include "IntegerIdents.h"
#include "OwnedComponent.h"
#include "PersistentCollection.h"

#include <type_traits>

// Describes the properties of class T in its ClassInfo, typed: getters and
// setters are T's own member functions, converted to and from QVariant here.
//
//   describeClass<TppBand>("TppBand", &TppCacheable::staticClassInfo(), [](auto& c) {
//       c.property("Visible", &TppBand::Visible, &TppBand::SetVisible).withDefault(true);
//   });
template <class T> class ClassBuilder {
public:
    explicit ClassBuilder(ClassInfo& info) : info_(info) {}

    // The kind follows the value type: bool, int, qint64, float, double,
    // QString, QStringList, QByteArray, an enumeration (give its names),
    // unsigned (a set, give its names). `as()` picks Extended, Currency or
    // DateTime for a double.
    template <class Get, class Set> ClassBuilder& property(const char* name, Get get, Set set) {
        using V = std::decay_t<std::invoke_result_t<Get, const T&>>;
        PropertyInfo info;
        info.name = QString::fromLatin1(name);
        info.kind = kindOf<V>();
        info.get = [get](const Persistent& object) {
            return toVariant(std::invoke(get, static_cast<const T&>(object)));
        };
        info.set = [set](Persistent& object, const QVariant& value) {
            std::invoke(set, static_cast<T&>(object), fromVariant<V>(value));
        };
        info_.addProperty(std::move(info));
        return *this;
    }
    // Read-only properties are offered to scripts but never stored.
    template <class Get> ClassBuilder& readOnly(const char* name, Get get) {
        using V = std::decay_t<std::invoke_result_t<Get, const T&>>;
        PropertyInfo info;
        info.name = QString::fromLatin1(name);
        info.kind = kindOf<V>();
        info.get = [get](const Persistent& object) {
            return toVariant(std::invoke(get, static_cast<const T&>(object)));
        };
        info.stored = [](const Persistent&) { return false; };
        info_.addProperty(std::move(info));
        return *this;
    }
    template <class Get> ClassBuilder& object(const char* name, Get get) {
        PropertyInfo info;
        info.name = QString::fromLatin1(name);
        info.kind = PropertyKind::Object;
        info.object = [get](Persistent& object) -> Persistent* {
            return std::invoke(get, static_cast<T&>(object));
        };
        info_.addProperty(std::move(info));
        return *this;
    }
    // A collection the holder owns; the stream walks its items.
    template <class Get> ClassBuilder& collection(const char* name, Get get) {
        PropertyInfo info;
        info.name = QString::fromLatin1(name);
        info.kind = PropertyKind::Collection;
        info.object = [get](Persistent& object) -> Persistent* {
            return static_cast<PersistentCollection*>(std::invoke(get, static_cast<T&>(object)));
        };
        info_.addProperty(std::move(info));
        return *this;
    }
    template <class Get, class Set> ClassBuilder& reference(const char* name, Get get, Set set) {
        using R = std::remove_pointer_t<std::decay_t<std::invoke_result_t<Get, const T&>>>;
        PropertyInfo info;
        info.name = QString::fromLatin1(name);
        info.kind = PropertyKind::Reference;
        info.getReference = [get](const Persistent& object) -> OwnedComponent* {
            return std::invoke(get, static_cast<const T&>(object));
        };
        info.setReference = [set](Persistent& object, OwnedComponent* target) {
            std::invoke(set, static_cast<T&>(object), dynamic_cast<R*>(target));
        };
        info_.addProperty(std::move(info));
        return *this;
    }
    // An event member (TppEvent<...>): stored as the handler's method name.
    template <class Event, class Holder> ClassBuilder& event(const char* name, Event Holder::*member) {
        static_assert(std::is_base_of_v<Holder, T>);
        PropertyInfo info;
        info.name = QString::fromLatin1(name);
        info.kind = PropertyKind::Event;
        info.get = [member](const Persistent& object) {
            return QVariant((static_cast<const T&>(object).*member).methodName);
        };
        info.set = [member](Persistent& object, const QVariant& value) {
            (static_cast<T&>(object).*member).methodName = value.toString();
        };
        info_.addProperty(std::move(info));
        return *this;
    }

    // Declares inherited published properties again, in this order after
    // those declared before: templates list them where the class puts them.
    ClassBuilder& republish(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            const PropertyInfo* inherited =
                info_.parent() ? info_.parent()->property(QString::fromLatin1(name)) : nullptr;
            Q_ASSERT_X(inherited, "ClassBuilder::republish", name);
            if (inherited)
                info_.addProperty(*inherited);
        }
        return *this;
    }

    // Modifiers of the property declared last.
    ClassBuilder& withDefault(const QVariant& value) {
        PropertyInfo& info = info_.lastProperty();
        info.defaultValue = info.kind == PropertyKind::Enumeration ? QVariant(value.toInt()) : value;
        return *this;
    }
    // A text property whose objects start with `text` instead of empty.
    ClassBuilder& startsAs(const QString& text) {
        info_.lastProperty().initialText = text;
        return *this;
    }
    ClassBuilder& names(const QStringList& enumNames) {
        info_.lastProperty().enumNames = enumNames;
        return *this;
    }
    ClassBuilder& idents(const IntegerIdents& names) {
        info_.lastProperty().idents = &names;
        return *this;
    }
    ClassBuilder& as(PropertyKind kind) {
        info_.lastProperty().kind = kind;
        return *this;
    }
    ClassBuilder& notStored() {
        info_.lastProperty().stored = [](const Persistent&) { return false; };
        return *this;
    }
    template <class Pred> ClassBuilder& storedWhen(Pred pred) {
        info_.lastProperty().stored = [pred](const Persistent& object) {
            return std::invoke(pred, static_cast<const T&>(object));
        };
        return *this;
    }

    // A defined property; `value` unset makes it read-only (old templates).
    template <class Value, class Assign>
    ClassBuilder& defined(const char* name, PropertyKind kind, Value value, Assign assign) {
        DefinedProperty property;
        property.name = QString::fromLatin1(name);
        property.kind = kind;
        if constexpr (!std::is_same_v<Value, std::nullptr_t>)
            property.value = [value](const Persistent& object) {
                return toVariant(std::invoke(value, static_cast<const T&>(object)));
            };
        property.assign = [assign](Persistent& object, const QVariant& v) {
            assign(static_cast<T&>(object), v);
        };
        info_.addDefinedProperty(std::move(property));
        return *this;
    }
    template <class Pred> ClassBuilder& writtenWhen(Pred pred) {
        info_.lastDefinedProperty().written = [pred](const Persistent& object) {
            return std::invoke(pred, static_cast<const T&>(object));
        };
        return *this;
    }

private:
    template <class V> static constexpr PropertyKind kindOf() {
        if constexpr (std::is_same_v<V, bool>)
            return PropertyKind::Boolean;
        else if constexpr (std::is_enum_v<V>)
            return PropertyKind::Enumeration;
        else if constexpr (std::is_same_v<V, unsigned>)
            return PropertyKind::Set;
        else if constexpr (std::is_same_v<V, qint64>)
            return PropertyKind::Int64;
        else if constexpr (std::is_same_v<V, int>)
            return PropertyKind::Integer;
        else if constexpr (std::is_same_v<V, float>)
            return PropertyKind::Single;
        else if constexpr (std::is_same_v<V, double>)
            return PropertyKind::Double;
        else if constexpr (std::is_same_v<V, QByteArray>)
            return PropertyKind::Binary;
        else if constexpr (std::is_same_v<V, QStringList>)
            return PropertyKind::StringList;
        else
            return PropertyKind::String;
    }
    template <class V> static QVariant toVariant(const V& value) {
        if constexpr (std::is_enum_v<V>)
            return QVariant(int(value));
        else
            return QVariant::fromValue(value);
    }
    template <class V> static V fromVariant(const QVariant& value) {
        if constexpr (std::is_enum_v<V>)
            return V(value.toInt());
        else
            return value.value<V>();
    }
    ClassInfo& info_;
};

// Builds a class's registry entry once. Creatable classes get a factory that
// constructs them with an owner.
template <class T, class Describe>
ClassInfo describeClass(const char* name, const ClassInfo* parent, Describe describe) {
    ClassInfo::Factory factory;
    if constexpr (!std::is_abstract_v<T> && std::is_constructible_v<T, OwnedComponent*>)
        factory = [](OwnedComponent* owner) -> Persistent* { return new T(owner); };
    ClassInfo info(QString::fromLatin1(name), parent, factory);
    ClassBuilder<T> builder(info);
    describe(builder);
    return info;
}
