#pragma once

#include "PrinterCatalog.h"

#include <QPainter>
#include <QPrinter>

class QPrinterInfo;

// A print job on a QPrinter at its high resolution.
class QtPrintJob final : public PrintJob {
public:
    QtPrintJob(const QPrinterInfo& printer, const PrintJobRequest& request);
    ~QtPrintJob() override;

    QPainter* newPage(const PrintJobRequest& page) override;
    void finish() override;
    void abort() override;
    int resolution() const override { return printer_.resolution(); }
    QMargins unprintableMargins() const override;

private:
    QPrinter printer_;
    QPainter painter_;
    int pages_ = 0;
};
