#pragma once

#include "TppLabelSet.h"
#include "TppPrinterSetup.h"
#include "TppTypes.h"

#include <QList>
#include <QString>
#include <optional>

// One label stock as a row of a label set describes it:
//
//   kind, product, label width, label height, paper width, paper height,
//   top, bottom, left and right margin, orientation (0 portrait, 1
//   landscape), gap between rows, units (a TppUnitType ordinal),
//   number of columns n, then the left of each of the n columns
//
// Lengths are in the row's units and written with "." whatever the locale.
// A row with no columns (n = 0) is one column at the left margin.
struct TppLabelDefinition {
    QString labelType;
    QString productNumber; // as written, trailing blanks included
    double labelWidth = 0;
    double labelHeight = 0;
    double paperWidth = 0;
    double paperHeight = 0;
    double marginTop = 0;
    double marginBottom = 0;
    double marginLeft = 0;
    double marginRight = 0;
    TPrinterOrientation orientation = poPortrait;
    double gap = 0;
    TppUnitType units = utInches;
    int columns = 0;
    QList<double> columnPositions;
    QString setName;
    TppLabelPrinterKind printerKind = TppLabelPrinterKind::LaserJet;

    // "2162 - Mini - Address": what the label lists show.
    QString ListName() const { return productNumber + QStringLiteral(" - ") + labelType; }
    // The lefts of the labels across the paper: the columns, or the left
    // margin when the row names none.
    QList<double> LabelLefts() const;
};

// Reads a row; a row that is not one (a field missing or too many, a
// number that does not read, a size that is not positive, a label that
// does not fit its paper) gives nothing and, when asked, why.
std::optional<TppLabelDefinition> parseLabelDefinition(const QString& row, QString* error = nullptr);
// Row `index` of the set, carrying the set's name and printer kind.
std::optional<TppLabelDefinition> parseLabelDefinition(const TppLabelSet& set, int index,
                                                       QString* error = nullptr);

// The labels of a set as the list offers them: the rows that read, each
// with its index in the set; a row that does not read is left out alone.
struct TppLabelEntry {
    int index = -1;
    QString caption;
};
QList<TppLabelEntry> labelEntries(const TppLabelSet& set);
