#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

// The enumerated types that scripts know by name, each with its value names in
// ordinal order. Index 0 is Boolean ("False", "True"); the type index is what an
// enumerated value carries to name its type.
struct TraEnumeration {
    QByteArray typeName;
    QList<QByteArray> valueNames;
};

struct TraEnumValueRef {
    int typeIndex = 0;
    int ordinal = 0;
};

class TraEnumerations {
public:
    static constexpr int kBoolean = 0;

    static const TraEnumeration& at(int typeIndex);
    // The type of that name, compared without regard to case.
    static std::optional<int> findType(const QByteArray& name);
    // The enumerated value of that name ("bcCode128", "True"), without regard to case.
    static std::optional<TraEnumValueRef> findValue(const QByteArray& name);
    // The value's name, or its ordinal in decimal when it has none.
    static QByteArray valueName(int typeIndex, int ordinal);
};
