#include "TppFileDevice.h"

#include "ClassBuilder.h"
#include "TppPage.h"
#include "TppResourceManager.h"

#include <QFile>
#include <QSaveFile>
#include <QtDebug>

namespace {

constexpr int kAccessingData = 2; // "Accessing data..."
constexpr int kPrintingPage = 27; // "Printing page <page> for report <documentname> on the <printername>"
constexpr int kPrintingPageOfCount = 28; // "... page <page> of <pagecount> ..."
constexpr int kUnableToOpenFile = 67;    // "Unable to open file: <filename>."

} // namespace

const ClassInfo& TppFileDevice::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppFileDevice>("TppFileDevice", &TppDevice::staticClassInfo(), [](auto& c) {
            c.property("FileName", &TppFileDevice::FileName, &TppFileDevice::SetFileName);
        });
    return info;
}

TppFileDevice::TppFileDevice(OwnedComponent* owner) : TppDevice(owner) {}

TppFileDevice::~TppFileDevice() {
    // The concrete device has completed its file already (FinishOnDestroy);
    // a file still open here was never meant to be finished.
    markDestroying();
    if (auto* save = dynamic_cast<QSaveFile*>(file_.get()))
        save->cancelWriting();
    file_.reset();
}

void TppFileDevice::SetFileName(const QString& value) {
    // An aborted job still has its file open until the device completes it.
    if (!InJob() && !file_)
        fileName_ = value;
}

std::unique_ptr<QFileDevice> TppFileDevice::CreateOutput(const QString& fileName) {
    return std::make_unique<QFile>(fileName);
}

void TppFileDevice::BeginJob() {
    if (InJob())
        return;
    auto file = CreateOutput(fileName_);
    if (fileName_.isEmpty() || !file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EPrintError(LanguageStringFmt(kUnableToOpenFile, {fileName_}));
    file_ = std::move(file);
    TppDevice::BeginJob();
    updateStatus(nullptr);
}

void TppFileDevice::AcceptPage(TppPage& page) {
    TppDevice::AcceptPage(page);
    if (!WantedPage())
        return;
    updateStatus(&page);
    if (ShouldOutput() && file_)
        WritePage(page);
}

void TppFileDevice::FinishJob() {
    TppDevice::FinishJob();
    if (!file_)
        return;
    try {
        CompleteFile();
        if (auto* save = dynamic_cast<QSaveFile*>(file_.get())) {
            if (!save->commit())
                throw EWriteError(QStringLiteral("Stream write error"));
        } else {
            file_->close();
            if (file_->error() != QFileDevice::NoError)
                throw EWriteError(QStringLiteral("Stream write error"));
        }
    } catch (...) {
        DiscardOutput();
        throw;
    }
    file_.reset();
}

void TppFileDevice::Write(QByteArrayView bytes) {
    if (!file_ || file_->write(bytes.data(), bytes.size()) != bytes.size())
        throw EWriteError(QStringLiteral("Stream write error"));
}

void TppFileDevice::DiscardOutput() {
    if (auto* save = dynamic_cast<QSaveFile*>(file_.get()))
        save->cancelWriting();
    file_.reset();
}

void TppFileDevice::DiscardFile() {
    if (InJob())
        AbortJob();
    if (!file_)
        return;
    const bool partial = dynamic_cast<QSaveFile*>(file_.get()) == nullptr;
    const QString name = file_->fileName();
    DiscardOutput();
    if (partial)
        QFile::remove(name);
}

void TppFileDevice::FinishOnDestroy() {
    if (!file_)
        return;
    try {
        // A job that was aborted ends here, its file completed with what it holds.
        FinishJob();
    } catch (const Exception& error) {
        if (OnCloseError)
            OnCloseError(error.message());
        else
            qWarning().noquote() << error.message();
    }
}

void TppFileDevice::updateStatus(const TppPage* page) {
    QString text;
    if (!page)
        text = LanguageString(kAccessingData);
    else if (StatusOnlyPage())
        return;
    else if (DeviceRequest().PageSetting != psAll || page->PassSetting != psTwoPass)
        text = LanguageStringFmt(kPrintingPage,
                                 {QString::number(page->AbsolutePageNo), page->DocumentName, fileName_});
    else
        text = LanguageStringFmt(kPrintingPageOfCount,
                                 {QString::number(page->AbsolutePageNo),
                                  QString::number(page->AbsolutePageCount), page->DocumentName, fileName_});
    if (text != StatusText())
        SetStatusText(text);
}
