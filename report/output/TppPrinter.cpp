#include "TppPrinter.h"

#include "PagewrightErrors.h"
#include "PaperTable.h"
#include "TppPrinterList.h"

// Scripts reach the printer object; nothing stores it.
const ClassInfo& TppPrinter::staticClassInfo() {
    static const ClassInfo info(QStringLiteral("TppPrinter"), &Persistent::staticClassInfo());
    return info;
}

TppPrinter::TppPrinter() {
    SetPrinterName(QStringLiteral("Default"));
    rebuildSettings();
}

TppPrinter::~TppPrinter() {
    if (inJob_)
        Abort();
}

void TppPrinter::SetPrinterName(const QString& name) {
    if (inJob_)
        return;
    std::shared_ptr<const TppPrinterInfo> info = TppPrinterList::instance().FindPrinter(name);
    if (!info || !info->isValid()) {
        info = TppPrinterList::instance().FindPrinter(QStringLiteral("Screen"));
        printerName_ = QStringLiteral("Screen");
    } else {
        printerName_ = name == QLatin1String("Default") ? name : info->name();
    }
    info_ = std::move(info);
}

void TppPrinter::ApplySetup(const TppPrinterSetup& setup) {
    const bool samePrinter = setup.EffectivePrinterName() == setup_.EffectivePrinterName();
    if (samePrinter && setup_.SameSettings(setup) && setup_.SameLayout(setup))
        return;
    if (!inJob_)
        SetPrinterName(setup.PrinterName());
    setup_.Assign(setup);
    rebuildSettings();
}

void TppPrinter::rebuildSettings() {
    PrinterJobSettings s;
    s.printerName = info_->name();
    s.documentName = setup_.DocumentName();
    s.outputFileName = setup_.OutputFileName();
    s.orientation = setup_.Orientation() + 1;
    s.paperCode = setup_.PaperSize();
    // The printing system makes the copies itself only when asked to and
    // when they need no collating; otherwise the report prints each copy.
    s.copies = !setup_.DelegateCopies() || setup_.Collation() ? 1 : setup_.Copies();
    s.collate = setup_.Collation();
    s.duplex = setup_.Duplex() + 1;
    if (setup_.BinName() != QLatin1String("Default"))
        s.paperSource = info_->binCode(setup_.BinName());
    if (s.paperCode == kCustomPaperCode) {
        s.paperWidth = setup_.PageDef().mmWidth / 100;
        s.paperLength = setup_.PageDef().mmHeight / 100;
        if (setup_.Orientation() == poLandscape)
            std::swap(s.paperWidth, s.paperLength);
    }
    settings_ = s;
}

TppPrinterSetup TppPrinter::CurrentSetup() const {
    // Inactive while rebuilt: nothing is validated or announced, and the
    // paper name is taken as it comes.
    TppPrinterSetup result(setup_);
    result.SetActive(false);
    result.SetDuplex(TppDuplexType(std::clamp(settings_.duplex - 1, 0, 2)));
    result.SetOrientation(settings_.orientation == 2 ? poLandscape : poPortrait);

    int width = 0, height = 0;
    QString paperName = QStringLiteral("Custom");
    const int index = info_->paperIndexOfCode(settings_.paperCode);
    if (settings_.paperCode == kCustomPaperCode) {
        width = settings_.paperWidth;
        height = settings_.paperLength;
    } else if (index >= 0) {
        width = info_->capabilities().paperWidths[index];
        height = info_->capabilities().paperHeights[index];
        paperName = info_->paperNames()[index];
    }
    if (width > 0 && height > 0) {
        if (result.Orientation() == poLandscape)
            std::swap(width, height);
        // Tenths of a millimetre are all the settings hold: a size that
        // agrees to the tenth keeps its exact value.
        if (result.PageDef().mmWidth / 100 != width)
            result.SetmmPaperWidth(width * 100);
        if (result.PageDef().mmHeight / 100 != height)
            result.SetmmPaperHeight(height * 100);
    }
    result.SetPaperName(paperName);
    const QString bin = settings_.paperSource ? info_->binNameOfCode(*settings_.paperSource) : QString();
    result.SetBinName(bin.isEmpty() ? QStringLiteral("Default") : bin);
    result.SetActive(true);
    return result;
}

bool TppPrinter::HasUsableContext() const {
    return !info_->isScreen() && info_->isValid();
}

int TppPrinter::pixelsPerInch(Axis axis) const {
    if (job_)
        return job_->resolution();
    if (!HasUsableContext())
        return screenResolution().pixelsPerInch(axis);
    return TppPrinterList::instance().catalog()->resolution(info_->name());
}

bool TppPrinter::PrintsInColour() const {
    if (!HasUsableContext())
        return true;
    return TppPrinterList::instance().catalog()->printsInColour(info_->name());
}

QMargins TppPrinter::UnprintableMargins() const {
    return job_ ? job_->unprintableMargins() : QMargins();
}

PrintJobRequest TppPrinter::jobRequest() const {
    PrintJobRequest request;
    request.settings = settings_;
    int width = setup_.PageDef().mmWidth, height = setup_.PageDef().mmHeight;
    if (setup_.Orientation() == poLandscape)
        std::swap(width, height);
    request.paperMillimetres = QSizeF(width / 1000.0, height / 1000.0);
    request.landscape = setup_.Orientation() == poLandscape;
    return request;
}

void TppPrinter::BeginDoc() {
    if (inJob_)
        return;
    if (info_->isScreen())
        throw EPrintError(QStringLiteral("Screen printer does not support printing."));
    pagesStarted_ = 0;
    aborted_ = false;
    job_ = TppPrinterList::instance().catalog()->startJob(info_->name(), jobRequest());
    if (!job_)
        throw EPrintError(QStringLiteral("The printer %1 could not start a page.").arg(info_->name()));
    inJob_ = true;
}

void TppPrinter::NewPage() {
    if (!inJob_ || inPage_)
        return;
    canvas_ = job_->newPage(jobRequest());
    if (!canvas_) {
        inJob_ = false;
        job_.reset();
        throw EPrintError(QStringLiteral("The printer %1 could not start a page.").arg(info_->name()));
    }
    ++pagesStarted_;
    inPage_ = true;
}

void TppPrinter::EndPage() {
    inPage_ = false;
}

void TppPrinter::EndDoc() {
    EndPage();
    // The printer is out of the job even when sending it fails.
    const std::unique_ptr<PrintJob> job = std::move(job_);
    const bool inJob = std::exchange(inJob_, false);
    canvas_ = nullptr;
    if (inJob && job)
        job->finish();
}

void TppPrinter::Abort() {
    if (!inJob_)
        return;
    aborted_ = true;
    job_->abort();
    inPage_ = false;
    inJob_ = false;
    canvas_ = nullptr;
    job_.reset();
}
