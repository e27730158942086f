#include "TppLabelSet.h"

#include "LabelStockCatalogue.h"

#include <utility>

TppLabelSet::TppLabelSet(QString className, QString setName, TppLabelPrinterKind kind,
                         std::span<const char* const> rows)
    : className_(std::move(className)), setName_(std::move(setName)), kind_(kind), rows_(rows) {}

QString TppLabelSet::Definition(int index) const {
    if (index < 0 || index >= DefinitionCount())
        return QString();
    return QString::fromUtf8(rows_[size_t(index)]);
}

const QList<const TppLabelSet*>& registeredLabelSets() {
    using Kind = TppLabelPrinterKind;
    static const TppLabelSet standardDotMatrix(QStringLiteral("TppAveryStdDotMatrixLabels"),
                                               QStringLiteral("Avery Standard"), Kind::DotMatrix,
                                               kAveryStandardDotMatrixRows);
    static const TppLabelSet standardLaser(QStringLiteral("TppAveryStdLaserJetLabels"),
                                           QStringLiteral("Avery Standard"), Kind::LaserJet,
                                           kAveryStandardLaserRows);
    static const TppLabelSet a4a5(QStringLiteral("TppAveryA4A5LaserJetLabels"),
                                  QStringLiteral("Avery A4 and A5 sizes"), Kind::LaserJet,
                                  kAveryA4A5LaserRows);
    static const TppLabelSet uk(QStringLiteral("TppAveryUKDotMatrixLabels"),
                                QStringLiteral("Avery International (UK)"), Kind::DotMatrix,
                                kAveryUKDotMatrixRows);
    static const TppLabelSet france(QStringLiteral("TppAveryFranceDotMatrixLabels"),
                                    QStringLiteral("Avery International (France)"), Kind::DotMatrix,
                                    kAveryFranceDotMatrixRows);
    static const QList<const TppLabelSet*> sets = {&standardDotMatrix, &standardLaser, &a4a5, &uk, &france};
    return sets;
}

QList<const TppLabelSet*> labelSetsFor(TppLabelPrinterKind kind) {
    QList<const TppLabelSet*> sets;
    for (const TppLabelSet* set : registeredLabelSets())
        if (set->PrinterKind() == kind)
            sets << set;
    return sets;
}
