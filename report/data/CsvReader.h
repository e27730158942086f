#pragma once

#include <QString>
#include <QStringList>
#include <QList>

// One record of a CSV text and the line it starts on, for messages.
struct CsvRecord {
    int line = 0;
    QStringList cells;
};

// Splits CSV text into records: cells separated by commas, records by CR,
// LF or CR LF; a cell in double quotes may hold commas, line breaks and
// doubled quotes. A leading byte-order mark is skipped and blank lines are
// ignored. An unterminated quote raises EDataError naming its line.
QList<CsvRecord> readCsvRecords(const QString& text);
