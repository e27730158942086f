#pragma once

#include <QJsonObject>
#include <QString>

// What an independent spreadsheet reader finds in the workbook at `path`:
// sheets, merged ranges, column widths and every cell with its value, type,
// boldness, horizontal alignment and number format (see read_workbook.py).
QJsonObject readWorkbook(const QString& path);

// Checks the sheet of the default loan (10000 over 12 months at 6 % from
// March 2024) cell by cell.
void expectWorkedExampleWorkbook(const QString& path);
