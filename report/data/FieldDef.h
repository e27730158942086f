#pragma once

#include <QList>
#include <QString>

// The column types a dataset can hold.
enum class FieldType {
    String,
    Integer,
    LargeInt,
    Float,
    Currency,
    Boolean,
    Date,
    Time,
    DateTime,
    Memo,
    Blob
};

struct FieldDef {
    QString name;
    FieldType type = FieldType::String;
    int size = 0;         // characters, for strings
    int displayWidth = 0; // characters shown; 0 takes the type's usual width

    friend bool operator==(const FieldDef&, const FieldDef&) = default;
};

using FieldDefs = QList<FieldDef>;
