#include "LabelReport.h"

#include "LayoutOwner.h"
#include "TppColumnFooterBand.h"
#include "TppColumnHeaderBand.h"
#include "TppCustomReport.h"
#include "TppDetailBand.h"
#include "TppFooterBand.h"
#include "TppGroup.h"
#include "TppHeaderBand.h"
#include "TppLabelDefinition.h"
#include "Units.h"

namespace {

template <class Band> void addBand(TppCustomReport& report) {
    newLayoutObject<Band>(report)->SetReport(&report);
}

void deleteBands(TppCustomReport& report, std::initializer_list<int> bandTypes) {
    for (int type : bandTypes)
        while (TppBand* band = report.GetBand(type))
            delete band;
}

} // namespace

void createDefaultBands(TppCustomReport& report) {
    if (report.BandCount() > 0)
        return;
    addBand<TppHeaderBand>(report);
    addBand<TppDetailBand>(report);
    addBand<TppFooterBand>(report);
}

void applyLabelDefinition(TppCustomReport& report, const TppLabelDefinition& label) {
    report.SetUnits(label.units);
    TppPrinterSetup& setup = report.PrinterSetup();
    // Turning the paper swaps its sides, so it must come before the size:
    // set the other way round, 4.25 x 1 inch stock would end up 1 x 4.25.
    setup.SetOrientation(label.orientation);
    setup.SetPaperWidth(float(label.paperWidth));
    setup.SetPaperHeight(float(label.paperHeight));
    setup.SetMarginLeft(float(label.marginLeft));
    setup.SetMarginTop(float(label.marginTop));
    setup.SetMarginBottom(float(label.marginBottom));
    setup.SetMarginRight(float(label.marginRight));

    if (!report.GetBand(btDetail))
        addBand<TppDetailBand>(report);
    TppBand* detail = report.GetBand(btDetail);
    detail->SetHeight(float(label.labelHeight));
    detail->SetmmBottomOffset(UnitsToMM(float(label.gap), label.units, Axis::Vertical));

    // The column count resets the column width, so the width comes after it.
    report.SetColumns(label.columns);
    report.ColumnPositions.clear();
    if (label.columns > 1)
        for (double left : label.columnPositions)
            report.ColumnPositions << QString::number(left, 'g', 7);
    report.SetColumnWidth(float(label.labelWidth));

    // A sheet of labels prints nothing but labels; the column bands that
    // going to several columns brings along would take a strip off every
    // page.
    deleteBands(report, {btHeader, btFooter, btColumnHeader, btColumnFooter});
}

void makeLabelReport(TppCustomReport& report, const TppLabelDefinition& label, const QString& binName) {
    createDefaultBands(report);
    while (report.GroupCount() > 0)
        delete report.Group(report.GroupCount() - 1);
    for (int index = report.BandCount() - 1; index >= 0; --index)
        if (TppBand* band = report.Band(index); band->BandTypeCode() != btDetail)
            delete band;
    applyLabelDefinition(report, label);
    report.PrinterSetup().SetBinName(binName);
}
