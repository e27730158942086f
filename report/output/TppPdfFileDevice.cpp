#include "TppPdfFileDevice.h"

#include "ClassBuilder.h"
#include "DrawSurface.h"
#include "PdfOutline.h"
#include "PdfPageLayout.h"
#include "TextMeasurer.h"
#include "TppOutlineDrawCommand.h"
#include "TppPage.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

const ClassInfo& TppPdfFileDevice::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppPdfFileDevice>("TppPdfFileDevice", &TppFileDevice::staticClassInfo(), [](auto&) {});
    return info;
}

const FileDeviceTraits& TppPdfFileDevice::Traits() {
    static const FileDeviceTraits traits{[] { return QStringLiteral("PDF File"); }, QStringLiteral("pdf"),
                                         QStringLiteral("PDF files|*.PDF|All files|*.*")};
    return traits;
}

TppPdfFileDevice::TppPdfFileDevice(OwnedComponent* owner)
    : TppFileDevice(owner), measurer_(std::make_shared<FontMetricsMeasurer>()) {}

TppPdfFileDevice::~TppPdfFileDevice() {
    markDestroying();
    FinishOnDestroy();
    // A file that was never completed is discarded by the base; the writer
    // goes first, while the file it writes to still exists.
    painting_.reset();
    writer_.reset();
}

std::unique_ptr<QFileDevice> TppPdfFileDevice::CreateOutput(const QString& fileName) {
    return std::make_unique<QSaveFile>(fileName);
}

void TppPdfFileDevice::BeginJob() {
    const bool starting = !InJob() && !FileOpen();
    TppFileDevice::BeginJob();
    if (!starting)
        return;
    jobPixelsPerInch_ = std::clamp(PixelsPerInch, 72, 2400);
    written_.close();
    written_.setData(QByteArray());
    written_.open(QIODevice::WriteOnly);
    pageNumbers_.clear();
    outline_.reset();
    writer_ = std::make_unique<QPdfWriter>(&written_);
    writer_->setResolution(jobPixelsPerInch_);
    writer_->setCreator(QStringLiteral("Pagewright"));
}

void TppPdfFileDevice::DiscardFile() {
    painting_.reset();
    writer_.reset();
    TppFileDevice::DiscardFile();
}

void TppPdfFileDevice::WritePage(TppPage& page) {
    if (!writer_)
        return;
    setUpPdfPage(*writer_, page);
    if (!painting_) {
        // The title is the document's; the painter starts the file on the
        // first page's paper.
        writer_->setTitle(page.DocumentName);
        painting_ = std::make_unique<QPainter>();
        if (!painting_->begin(writer_.get()))
            throw EWriteError(QStringLiteral("Stream write error"));
    } else if (!writer_->newPage()) {
        throw EWriteError(QStringLiteral("Stream write error"));
    }
    DrawSurface surface(*painting_, jobPixelsPerInch_, jobPixelsPerInch_, *measurer_, true);
    painter_.PaintPage(page, surface);
    pageNumbers_ << page.AbsolutePageNo;
    if (const TppOutlineDrawCommand* outline = page.FindOutlineDrawCommand()) {
        outline_ = std::make_unique<TppOutlineDrawCommand>();
        outline_->Assign(*outline);
    }
}

void TppPdfFileDevice::CompleteFile() {
    closeWriter();
}

void TppPdfFileDevice::closeWriter() {
    // A job without pages still leaves a valid document: one blank page.
    if (writer_ && !painting_) {
        painting_ = std::make_unique<QPainter>();
        painting_->begin(writer_.get());
    }
    if (painting_ && painting_->isActive() && !painting_->end()) {
        painting_.reset();
        writer_.reset();
        throw EWriteError(QStringLiteral("Stream write error"));
    }
    const bool wrote = painting_ != nullptr;
    painting_.reset();
    writer_.reset();
    if (!wrote)
        return;
    QByteArray pdf = written_.data();
    written_.close();
    written_.setData(QByteArray());
    if (outline_ && outline_->Tree())
        pdf = withPdfOutline(pdf, *outline_->Tree(), pageNumbers_);
    if (Output().write(pdf) != pdf.size())
        throw EWriteError(QStringLiteral("Stream write error"));
}
