#include "TppPrinterDevice.h"

#include "ClassBuilder.h"
#include "DrawSurface.h"
#include "TextMeasurer.h"
#include "TppCustomCancelDialog.h"
#include "TppPage.h"
#include "TppPrinter.h"
#include "TppPublisher.h"
#include "TppReportModel.h"
#include "TppResourceManager.h"

const ClassInfo& TppPrinterDevice::staticClassInfo() {
    static const ClassInfo info = describeClass<TppPrinterDevice>(
        "TppPrinterDevice", &TppRasterDevice::staticClassInfo(), [](auto&) {});
    return info;
}

TppPrinterDevice::TppPrinterDevice(OwnedComponent* owner)
    : TppRasterDevice(owner), printer_(std::make_unique<TppPrinter>()),
      measurer_(std::make_shared<FontMetricsMeasurer>()) {}

TppPrinterDevice::~TppPrinterDevice() = default;

void TppPrinterDevice::BeginJob() {
    if (InJob())
        return;
    TppRasterDevice::BeginJob();
    jobRequest_.Assign(DeviceRequest());
    CopiesLeft = 1;
    FirstPageOfJob = true;
    showStatus(LanguageString(kMsgAccessingData));
    if (BeginDocOnStart)
        printer_->BeginDoc();
    printsInColour_ = printer_->PrintsInColour();
}

void TppPrinterDevice::AcceptPage(TppPage& page) {
    TppRasterDevice::AcceptPage(page);
    if (!InJob() || !WantedPage())
        return;
    updateStatus(page);
    if (StatusOnlyPage())
        return;
    const TppPrinterSetup& current = printer_->PrinterSetup();
    const int copies = current.Collation() || current.DelegateCopies() ? 1 : page.PrinterSetup().Copies();
    for (int copy = 0; copy < copies; ++copy) {
        StartPage(page);
        DrawSurface surface(*canvas_, printer_->pixelsPerInch(Axis::Horizontal),
                            printer_->pixelsPerInch(Axis::Vertical), *measurer_, true);
        surface.blackText = !printsInColour_;
        PaintPage(page, surface);
        EndPage(page);
    }
}

void TppPrinterDevice::StartPage(TppPage& page) {
    if (FirstPageOfJob) {
        const TppPrinterSetup& current = printer_->PrinterSetup();
        if (current.Collation())
            CopiesLeft = current.Copies();
        FirstPageOfJob = false;
    }
    // Each page may carry its own paper, orientation and bin.
    printer_->ApplySetup(page.PrinterSetup());
    printer_->NewPage();
    canvas_ = printer_->Canvas();
    const QMargins unprintable = printer_->UnprintableMargins();
    OffsetX = -unprintable.left();
    OffsetY = -unprintable.top();
    if (OnPagePrintStart)
        OnPagePrintStart(this, &page);
}

void TppPrinterDevice::EndPage(TppPage& page) {
    printer_->EndPage();
    canvas_ = nullptr;
    if (OnPagePrintEnd)
        OnPagePrintEnd(this, &page);
}

void TppPrinterDevice::FinishJob() {
    if (!InJob())
        return;
    if (CopiesLeft > 1) {
        --CopiesLeft;
        // The pass just printed has struck its pages off the page list;
        // the next one wants them all again.
        SetPageRequest(jobRequest_);
        RequestPages();
        // A pass cut short (a cancel) never reaches the job's end: the
        // pages printed so far are still output.
        if (!InJob())
            return;
        CopiesLeft = 1;
    }
    endDoc();
    TppRasterDevice::FinishJob();
}

void TppPrinterDevice::AbortJob() {
    // Ending the document keeps what was printed before the cancel.
    endDoc();
    TppRasterDevice::AbortJob();
}

void TppPrinterDevice::endDoc() {
    canvas_ = nullptr;
    if (EndDocOnEnd && printer_->InJob())
        printer_->EndDoc();
}

void TppPrinterDevice::updateStatus(const TppPage& page) {
    const bool lastPageKnown = !Publisher() || Publisher()->LastPageKnown();
    if (StatusOnlyPage() && !lastPageKnown)
        return;
    const QString printerName = printer_->PrinterInfo().name();
    const QString text = lastPageKnown
                             ? LanguageStringFmt(kMsgPrintingPageOf, {QString::number(page.AbsolutePageNo),
                                                                      QString::number(page.AbsolutePageCount),
                                                                      page.DocumentName, printerName})
                             : LanguageStringFmt(kMsgPrintingPage, {QString::number(page.AbsolutePageNo),
                                                                    page.DocumentName, printerName});
    showStatus(text);
}

void TppPrinterDevice::showStatus(const QString& text) {
    SetStatusText(text);
    auto* dialog = dynamic_cast<TppCustomCancelDialog*>(CancelDialog);
    if (!dialog || dialog->StatusText() == text)
        return;
    dialog->SetStatusText(text);
    if (ProcessMessages)
        ProcessMessages();
    else if (auto* report = dynamic_cast<TppReportModel*>(Owner()))
        report->ProcessMessages();
}
