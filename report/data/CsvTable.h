#pragma once

#include "CsvReader.h"
#include "FieldDef.h"

#include <QString>
#include <QVariantList>

class MemoryTable;

// Fills a closed memory table from CSV and opens it. The first record names
// the fields, each optionally as "name:type" with a data type name
// ("dtInteger", "dtDouble", "dtCurrency", "dtDate", "dtDateTime",
// "dtBoolean", "dtString" ...). Values are written with "." as the decimal
// point and ISO dates ("2027-01-31", "2027-01-31T08:30:00"); an empty cell
// is null. A column without a declared type takes the narrowest type all
// its values fit: integer, then double, then date or date-time, then
// Boolean ("true", "false"), else string. Bad input raises EDataError
// naming the line and the field.
void loadCsvTable(const QString& text, MemoryTable& table);
void loadCsvFile(const QString& path, MemoryTable& table);

// The pieces of reading CSV that the memory table and the streamed CSV
// dataset share, so both take a file the same way.

// The fields a header record names; an undeclared column is a string until
// its values say otherwise (CsvTypeGuess). EDataError for a nameless field or
// an unknown type.
struct CsvColumns {
    FieldDefs defs;
    QStringList typeNames; // the declared type name per column, empty when undeclared
    bool anyUndeclared() const { return typeNames.contains(QString()); }
};
CsvColumns csvColumns(const CsvRecord& header);

// The narrowest type every non-empty value seen fits: integer, then double,
// then date or date-time, then Boolean, else string.
class CsvTypeGuess {
public:
    void see(const QString& cell);
    FieldType type() const;

private:
    unsigned fits_ = ~0u; // a bit per candidate type
    bool anyValue_ = false;
};

// A record's values converted to the columns' types, an empty cell null.
// EDataError naming the line when the record has another number of values
// than the header has fields, or when a value is not of its field's type.
QVariantList csvValues(const CsvRecord& record, const CsvColumns& columns);
void checkCsvWidth(const CsvRecord& record, const CsvColumns& columns);
