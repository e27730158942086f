#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>

class IntegerIdents;
class OwnedComponent;
class Persistent;

// What a published or defined property holds. The component stream chooses
// its value tags and text forms from this.
enum class PropertyKind {
    Integer,     // int
    Int64,       // qint64
    Extended,    // double, written as an 80-bit float
    Single,      // float
    Double,      // double
    Currency,    // double, fixed four decimals
    DateTime,    // double counting days since 30 December 1899
    String,      // QString
    Boolean,     // bool
    Enumeration, // int ordinal; enumNames give the identifiers
    Set,         // unsigned bit mask; enumNames name the bits from bit 0
    Binary,      // QByteArray (defined properties such as "ProgramStream")
    StringList,  // QStringList, stored as "<name>.Strings" (wrapped lines, tab stops)
    Object,      // a nested persistent object ("Font", "PrinterSetup"): its own properties, dotted
    Reference,   // another component, written by name and resolved after reading
    Collection,  // a nested collection of items
    Event        // the name of a handler method
};

// One published property of a class: how to read it, write it, and whether a
// template stores it.
//
// The stream writes a property when its stored condition holds and it is not
// at its default. Ordinal kinds (integers, enumerations, sets, Booleans) are
// at their default only when a default was declared and the value equals it;
// floats at 0, strings when empty (or at their initial text), events when
// unnamed, references when unset.
// Object and collection properties are never "at default": the stream walks
// into them.
class PropertyInfo {
public:
    QString name;
    PropertyKind kind = PropertyKind::Integer;
    QStringList enumNames;
    // Integer properties whose values have names (colours): the stream
    // writes the name where there is one.
    const IntegerIdents* idents = nullptr;
    std::optional<QVariant> defaultValue;
    // String kinds whose objects start with this text rather than empty: at
    // their default only while they hold it, so an emptied text is written
    // and reads back empty.
    std::optional<QString> initialText;

    // Value kinds (everything but Object, Reference, Collection).
    std::function<QVariant(const Persistent&)> get;
    std::function<void(Persistent&, const QVariant&)> set;
    // Object and Collection kinds: the nested object, owned by the holder.
    std::function<Persistent*(Persistent&)> object;
    // Reference kind.
    std::function<OwnedComponent*(const Persistent&)> getReference;
    std::function<void(Persistent&, OwnedComponent*)> setReference;
    // Unset means always stored.
    std::function<bool(const Persistent&)> stored;

    bool isStored(const Persistent& object) const { return !stored || stored(object); }
    bool isDefault(const Persistent& object) const;
    bool isOrdinal() const;

    // An enumeration or set element by name, compared without regard to case; -1 if none.
    int enumIndex(const QString& identifier) const;
};
