#pragma once

#include <QString>

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
