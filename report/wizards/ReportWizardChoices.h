#pragma once

#include "TppPrinterSetup.h"
#include "TppTypes.h"

#include <QList>
#include <QString>

class TppDataPipeline;

enum TppReportLayoutType : int {
    rlVertical,
    rlTabular,
    rlStepped,
    rlBlock,
    rlOutline1,
    rlOutline2,
    rlAlignLeft1,
    rlAlignLeft2
};

enum TppReportStyleType : int { rsBold, rsCasual, rsCompact, rsCorporate, rsFormal, rsSoftGray };

// A field the wizard offers: its name, the alias lists and captions show,
// its type and pipeline, and whether it may be chosen at all.
struct TppWizardField {
    QString fieldName;
    QString alias;
    TppDataType dataType = dtString;
    TppDataPipeline* pipeline = nullptr;
    bool selectable = true;
};

// What the report wizard's pages decide: the data, the fields in the order
// they print, the group fields outermost first (each one of the fields),
// the layout, the paper's orientation, the style, whether fields shrink
// to fit the page, and the report's description.
struct TppReportWizardChoices {
    QString dataName;
    QList<TppWizardField> fields;
    QStringList groupFields;
    TppReportLayoutType layout = rlTabular;
    TPrinterOrientation orientation = poPortrait;
    TppReportStyleType style = rsCorporate;
    bool adjustFieldWidths = true;
    QString description;
};

// Group layouts keep group fields in their own bands; the simple ones do not.
inline bool isGroupLayout(TppReportLayoutType layout) {
    return layout != rlVertical && layout != rlTabular;
}
