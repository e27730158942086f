#pragma once

#include "Dataset.h"
#include "LoanInputs.h"

#include <QString>

// The schedule as a spreadsheet workbook ("Export To Excel" and `kestrel
// export`). One sheet: A1:F1 merged with "[HEADER HERE]", rows 1 to 5 bold and
// centred, the column titles in row 5, then one row per schedule row from row
// 6: the month as text in A, the five amounts as numbers in B to F, which
// carry the format "#,0.000". Every column A to F is 15 characters wide.
//
// A workbook only ever appears complete: it is written to a hidden file in
// the same folder and takes its name once the writer has closed it, so a
// failure leaves neither a half file nor a changed old one.

// What an export came to: the file written, or why nothing was.
struct WorkbookOutcome {
    QString path;
    QString error; // empty when the workbook was written

    bool written() const { return error.isEmpty(); }
};

// Writes `path`, replacing a file of that name once the new one is complete.
WorkbookOutcome writeScheduleWorkbook(const Dataset& schedule, const QString& path);

// Writes a new file in `folder` (made when missing) named `baseName` plus
// ".xlsx", or "baseName (2).xlsx" and so on when that name is taken: an
// earlier export is never overwritten.
WorkbookOutcome writeNewScheduleWorkbook(const Dataset& schedule, const QString& folder,
                                         const QString& baseName);

// The file name of a loan's workbook, without extension: "Loan 10000 over 12
// months at 6%". The texts are those typed; characters that cannot stand in a
// file name become "_".
QString loanWorkbookName(const LoanInputs& loan);

// Texts of the export's message boxes.
QString workbookNotWritten(const WorkbookOutcome& outcome);
QString workbookNotOpened(const QString& path);
