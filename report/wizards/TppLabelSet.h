#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <span>

// Which printers a label set is made for.
enum class TppLabelPrinterKind { LaserJet, DotMatrix };

// A family of label stock for one kind of printer: its name and its
// definitions as text, one comma-separated row each (see TppLabelDefinition).
class TppLabelSet {
public:
    TppLabelSet(QString className, QString setName, TppLabelPrinterKind kind,
                std::span<const char* const> rows);

    const QString& ClassName() const { return className_; }
    const QString& SetName() const { return setName_; }
    TppLabelPrinterKind PrinterKind() const { return kind_; }
    int DefinitionCount() const { return int(rows_.size()); }
    // The row as stored; empty out of range.
    QString Definition(int index) const;

private:
    QString className_;
    QString setName_;
    TppLabelPrinterKind kind_;
    std::span<const char* const> rows_;
};

// The built-in sets in the order they are offered: the two standard sets
// (dot matrix first), then A4 and A5, the United Kingdom and France.
const QList<const TppLabelSet*>& registeredLabelSets();
// The sets for one kind of printer, in that order.
QList<const TppLabelSet*> labelSetsFor(TppLabelPrinterKind kind);
