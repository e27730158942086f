#include "TppArchiveDevice.h"

#include "ClassBuilder.h"
#include "ComponentWriter.h"
#include "OutputClasses.h"
#include "TppOutlineDrawCommand.h"
#include "TppPage.h"
#include "TppResourceManager.h"

#include <QDir>
#include <QSaveFile>
#include <QtEndian>
#include <limits>

namespace {

constexpr int kArchiveFile = 34;      // "Archive File"
constexpr int kUnableToOpenFile = 67; // "Unable to open file: <filename>."

QByteArray littleEndian(qint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

} // namespace

const ClassInfo& TppArchiveDevice::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppArchiveDevice>("TppArchiveDevice", &TppFileDevice::staticClassInfo(), [](auto& c) {
            using T = TppArchiveDevice;
            c.property(
                 "RemoveInnerOutlines", [](const T& t) { return t.RemoveInnerOutlines; },
                 [](T& t, bool v) { t.RemoveInnerOutlines = v; })
                .withDefault(true);
        });
    return info;
}

const FileDeviceTraits& TppArchiveDevice::Traits() {
    static const FileDeviceTraits traits{[] { return LanguageString(kArchiveFile); }, QStringLiteral("raf"),
                                         QStringLiteral("Archive files|*.RAF|All files|*.*")};
    return traits;
}

void registerArchiveDevice() {
    // The text devices first, whoever registered before: the print dialog
    // lists file devices in the order of registration.
    registerOutputClasses();
    DeviceClasses::instance().RegisterFileDevice(
        QStringLiteral("ArchiveFile"), TppArchiveDevice::staticClassInfo(), TppArchiveDevice::Traits());
}

TppArchiveDevice::TppArchiveDevice(OwnedComponent* owner) : TppFileDevice(owner) {}

TppArchiveDevice::~TppArchiveDevice() {
    markDestroying();
    FinishOnDestroy();
    discardTemporary();
}

QString TppArchiveDevice::TempFileName() const {
    return pages_ ? pages_->fileName() : QString();
}

std::unique_ptr<QFileDevice> TppArchiveDevice::CreateOutput(const QString& fileName) {
    return std::make_unique<QSaveFile>(fileName);
}

void TppArchiveDevice::BeginJob() {
    if (InJob())
        return;
    auto pages =
        std::make_unique<QTemporaryFile>(QDir(QDir::tempPath()).filePath(QStringLiteral("arcXXXXXX")));
    if (!pages->open())
        throw EPrintError(LanguageStringFmt(kUnableToOpenFile, {pages->fileTemplate()}));
    TppFileDevice::BeginJob();
    pages_ = std::move(pages);
    // D goes in front once the number of pages is known.
    Output().seek(4);
}

void TppArchiveDevice::discardTemporary() {
    pages_.reset();
}

void TppArchiveDevice::WritePage(TppPage& page) {
    if (!pages_)
        return;
    QByteArray data;
    WriteSignature(data);
    if (RemoveInnerOutlines && !page.LastPage && page.FindOutlineDrawCommand()) {
        TppPage stored;
        stored.Assign(page);
        TppOutlineDrawCommand* outline = stored.FindOutlineDrawCommand();
        stored.RemoveDrawCommand(outline);
        delete outline;
        WriteComponent(data, &stored, stored);
    } else {
        WriteComponent(data, &page, page);
    }
    try {
        const qint64 offset = pages_->pos();
        // Offsets are signed 32-bit numbers: an archive cannot grow past them.
        if (offset + data.size() > std::numeric_limits<qint32>::max())
            throw EWriteError(QStringLiteral("Stream write error"));
        Write(littleEndian(qint32(offset)) + littleEndian(page.AbsolutePageNo));
        if (pages_->write(data) != data.size())
            throw EWriteError(QStringLiteral("Stream write error"));
    } catch (const EWriteError&) {
        discardTemporary();
        DiscardOutput();
        throw;
    }
}

void TppArchiveDevice::CompleteFile() {
    if (!pages_)
        return;
    QFileDevice& out = Output();
    const qint64 start = out.pos();
    pages_->seek(0);
    while (!pages_->atEnd()) {
        const QByteArray chunk = pages_->read(1 << 16);
        if (chunk.isEmpty())
            throw EWriteError(QStringLiteral("Stream write error"));
        Write(chunk);
    }
    out.seek(0);
    Write(littleEndian(qint32(start)));
    discardTemporary();
}
