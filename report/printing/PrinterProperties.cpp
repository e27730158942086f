#include "PrinterProperties.h"

#include "PaperTable.h"
#include "TppPrinter.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

bool showPrinterProperties(QWidget* parent, TppPrinter& printer) {
    PrinterJobSettings settings = printer.JobSettings();
    QPrinter qt(QPrinterInfo::printerInfo(settings.printerName));
    const TppPageDef& page = printer.PrinterSetup().PageDef();
    const bool landscape = settings.orientation == 2;
    QSizeF paper(page.mmWidth / 1000.0, page.mmHeight / 1000.0);
    if (landscape)
        paper.transpose();
    qt.setPageSize(QPageSize(paper, QPageSize::Millimeter));
    qt.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPageSetupDialog dialog(&qt, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QPageLayout layout = qt.pageLayout();
    settings.orientation = layout.orientation() == QPageLayout::Landscape ? 2 : 1;
    const int code = layout.pageSize().windowsId();
    const QSizeF chosen = layout.pageSize().size(QPageSize::Millimeter);
    settings.paperCode = code > 0 ? code : kCustomPaperCode;
    settings.paperWidth = int(std::lround(chosen.width() * 10));
    settings.paperLength = int(std::lround(chosen.height() * 10));
    printer.SetJobSettings(settings);
    return true;
}
