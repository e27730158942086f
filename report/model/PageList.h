#pragma once

#include <QString>
#include <QStringList>

// Page numbers and ranges as users type them ("1,3,5-12") to a sorted list
// without duplicates. Entries are right-aligned in 8 characters ("%8d") so that
// sorting them as text sorts them by number; `trim` removes the blanks
// afterwards.
//
// A page list names at most kMaxPageListEntries pages and no page above
// kMaxPageNumber: "1-2000000000" or a 30-digit number is refused at once
// (false, empty list) instead of filling memory.
inline constexpr int kMaxPageNumber = 99999999;
inline constexpr int kMaxPageListEntries = 100000;

bool ParsePageList(const QString& text, QStringList& list, bool trim);
