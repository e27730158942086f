#include "TppLabelDefinition.h"

#include <QLocale>
#include <QStringList>

namespace {

// Rows of the catalogue round their lengths to hundredths; sums of them
// may miss by a rounding error of the floating-point arithmetic.
constexpr double kSlack = 1e-6;

class RowReader {
public:
    explicit RowReader(const QString& row) : fields_(row.split(QLatin1Char(','))) {}

    int count() const { return int(fields_.size()); }
    QString text(int index) const { return fields_.value(index); }
    // Stored rows use "." as the decimal point, so the C locale reads them
    // whatever the user's locale says.
    double real(int index, const char* what) {
        bool ok = false;
        const double value = QLocale::c().toDouble(fields_.value(index).trimmed(), &ok);
        if (!ok)
            fail(QStringLiteral("%1 is not a number: \"%2\"").arg(QLatin1String(what), fields_.value(index)));
        return value;
    }
    int integer(int index, const char* what) {
        bool ok = false;
        const int value = QLocale::c().toInt(fields_.value(index).trimmed(), &ok);
        if (!ok)
            fail(QStringLiteral("%1 is not a whole number: \"%2\"")
                     .arg(QLatin1String(what), fields_.value(index)));
        return value;
    }
    void fail(const QString& why) {
        if (error_.isEmpty())
            error_ = why;
    }
    const QString& error() const { return error_; }

private:
    QStringList fields_;
    QString error_;
};

QString checkFits(const TppLabelDefinition& label) {
    if (label.marginTop + label.labelHeight + label.marginBottom > label.paperHeight + kSlack)
        return QStringLiteral("the label is taller than the paper between its margins");
    const double right = label.paperWidth - label.marginRight;
    for (double left : label.LabelLefts())
        if (left + label.labelWidth > right + kSlack)
            return QStringLiteral("a label at %1 passes the paper's right edge").arg(left);
    return QString();
}

} // namespace

QList<double> TppLabelDefinition::LabelLefts() const {
    return columnPositions.isEmpty() ? QList<double>{marginLeft} : columnPositions;
}

std::optional<TppLabelDefinition> parseLabelDefinition(const QString& row, QString* error) {
    RowReader reader(row);
    const auto refuse = [&](const QString& why) -> std::optional<TppLabelDefinition> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (reader.count() < 14)
        return refuse(QStringLiteral("%1 fields where at least 14 are needed").arg(reader.count()));

    TppLabelDefinition label;
    label.labelType = reader.text(0);
    label.productNumber = reader.text(1);
    label.labelWidth = reader.real(2, "The label width");
    label.labelHeight = reader.real(3, "The label height");
    label.paperWidth = reader.real(4, "The paper width");
    label.paperHeight = reader.real(5, "The paper height");
    label.marginTop = reader.real(6, "The top margin");
    label.marginBottom = reader.real(7, "The bottom margin");
    label.marginLeft = reader.real(8, "The left margin");
    label.marginRight = reader.real(9, "The right margin");
    const int orientation = reader.integer(10, "The orientation");
    label.gap = reader.real(11, "The gap");
    const int units = reader.integer(12, "The units");
    label.columns = reader.integer(13, "The number of columns");
    if (!reader.error().isEmpty())
        return refuse(reader.error());
    if (label.columns < 0 || reader.count() != 14 + label.columns)
        return refuse(QStringLiteral("%1 columns named, %2 positions given")
                          .arg(label.columns)
                          .arg(reader.count() - 14));
    for (int column = 0; column < label.columns; ++column)
        label.columnPositions << reader.real(14 + column, "A column position");
    if (!reader.error().isEmpty())
        return refuse(reader.error());

    if (label.labelType.trimmed().isEmpty() || label.productNumber.trimmed().isEmpty())
        return refuse(QStringLiteral("the label has no kind or no product number"));
    if (orientation != 0 && orientation != 1)
        return refuse(QStringLiteral("orientation %1 is neither 0 nor 1").arg(orientation));
    if (units < utScreenPixels || units > utMMThousandths)
        return refuse(QStringLiteral("units %1 name no unit").arg(units));
    if (label.labelWidth <= 0 || label.labelHeight <= 0 || label.paperWidth <= 0 || label.paperHeight <= 0)
        return refuse(QStringLiteral("a label or paper size is not positive"));
    for (double length :
         {label.marginTop, label.marginBottom, label.marginLeft, label.marginRight, label.gap})
        if (length < 0)
            return refuse(QStringLiteral("a margin or the gap is negative"));
    for (double left : label.columnPositions)
        if (left < 0)
            return refuse(QStringLiteral("a column position is negative"));
    label.units = TppUnitType(units);
    // Paper that is wider than high only feeds in landscape, whatever the
    // row says.
    label.orientation = orientation == 1 || label.paperWidth > label.paperHeight ? poLandscape : poPortrait;
    if (const QString misfit = checkFits(label); !misfit.isEmpty())
        return refuse(misfit);
    return label;
}

std::optional<TppLabelDefinition> parseLabelDefinition(const TppLabelSet& set, int index, QString* error) {
    if (index < 0 || index >= set.DefinitionCount()) {
        if (error)
            *error = QStringLiteral("%1 has no label %2").arg(set.SetName()).arg(index);
        return std::nullopt;
    }
    std::optional<TppLabelDefinition> label = parseLabelDefinition(set.Definition(index), error);
    if (label) {
        label->setName = set.SetName();
        label->printerKind = set.PrinterKind();
    }
    return label;
}

QList<TppLabelEntry> labelEntries(const TppLabelSet& set) {
    QList<TppLabelEntry> entries;
    for (int index = 0; index < set.DefinitionCount(); ++index)
        if (const auto label = parseLabelDefinition(set, index))
            entries << TppLabelEntry{index, label->ListName()};
    return entries;
}
