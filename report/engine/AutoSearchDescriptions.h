#pragma once

#include "TppAutoSearchField.h"

#include <QString>
#include <QStringList>

// Search criteria in words, for the search dialog and for applications that
// tell their users what a report shows: "Show all data where the Country is
// equal to US and the Amount is greater than 100".

// The comparison in words: dates and times compare as times ("is before"),
// every other type as amounts ("is less than").
QString searchOperatorWords(TppSearchOperatorType op, TppDataType type);

// "Show all data where the" for the first criterion of a description, "and the" for the others.
QString searchOpeningWords(bool first);

// The opening words, the alias, then "has any value." when the criterion
// shows all values, else the operator's words and the expression as written.
QString describeSearchCriterion(const TppAutoSearchField& field, bool first);

// Every criterion described, joined by one blank.
QString describeSearchCriteria(const QList<TppAutoSearchField*>& fields);

// One line for each criterion that has a value; the first line opens the description.
QStringList searchDescriptionLines(const QList<TppAutoSearchField*>& fields);
