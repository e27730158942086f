#include "ArchiveReader.h"

#include "BinaryStreamReader.h"
#include "ComponentReader.h"
#include "PagewrightErrors.h"
#include "TppDrawCommand.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr qint64 kHeaderSize = 4;
constexpr qint64 kEntrySize = 8;

[[noreturn]] void damaged(const QString& problem) {
    throw ETemplateLoadError(QStringLiteral("The archive is damaged: %1.").arg(problem));
}

quint32 wordAt(QByteArrayView data, qint64 at) {
    return qFromLittleEndian<quint32>(data.data() + at);
}

std::unique_ptr<TppPage> readPage(QByteArrayView bytes, int index, qint64 at) {
    const QString where = QStringLiteral("page %1 (byte %2)").arg(index + 1).arg(at);
    if (bytes.size() < 4 || bytes.first(4) != QByteArrayView("TPF0"))
        damaged(QStringLiteral("the data of %1 does not begin with \"TPF0\"").arg(where));
    OwnedComponent holder;
    try {
        BinaryStreamReader reader(bytes);
        reader.readSignature();
        const StreamObject object = reader.readObject();
        if (!reader.atEnd())
            damaged(QStringLiteral("%1 holds %2 bytes after its page")
                        .arg(where)
                        .arg(bytes.size() - reader.position()));
        if (object.className != "TppPage")
            damaged(QStringLiteral("%1 holds a %2, not a TppPage")
                        .arg(where, QString::fromLatin1(object.className)));
        // The page first, then its draw commands, which the page takes in
        // stream order, which is their drawing order.
        StreamObject pageObject = object;
        const std::vector<StreamObject> commandObjects = std::move(pageObject.children);
        pageObject.children.clear();
        ComponentReader pageReader(holder, &holder);
        auto* page = dynamic_cast<TppPage*>(pageReader.read({pageObject}).components.value(0));
        if (!page)
            damaged(QStringLiteral("%1 is not a page").arg(where));
        std::unique_ptr<TppPage> owned(page);
        page->ChangeOwner(nullptr);
        ComponentReader commandReader(holder, &holder);
        for (OwnedComponent* component : commandReader.read(commandObjects).components) {
            auto* command = dynamic_cast<TppDrawCommand*>(component);
            if (!command)
                damaged(
                    QStringLiteral("%1 holds a %2, not a draw command").arg(where, component->className()));
            page->AddDrawCommand(command);
        }
        return owned;
    } catch (const ETemplateLoadError& error) {
        if (error.message().startsWith(QStringLiteral("The archive is damaged")))
            throw;
        damaged(QStringLiteral("%1: %2").arg(where, error.message()));
    } catch (const EInvalidTemplateError& error) {
        damaged(QStringLiteral("%1: %2").arg(where, error.message()));
    }
}

} // namespace

std::vector<std::unique_ptr<TppPage>> ReadArchive(QByteArrayView data) {
    const qint64 size = data.size();
    if (size < kHeaderSize)
        damaged(
            QStringLiteral("it holds %1 bytes, fewer than the %2 of its header").arg(size).arg(kHeaderSize));
    const quint32 start = wordAt(data, 0);
    if (start < kHeaderSize || (start - kHeaderSize) % kEntrySize != 0)
        damaged(QStringLiteral("its page data is said to begin at byte %1, which is not 4 plus 8 per page")
                    .arg(start));
    if (start > size)
        damaged(QStringLiteral(
                    "its page data is said to begin at byte %1, past its end at %2 bytes: it is truncated")
                    .arg(start)
                    .arg(size));
    const qint64 count = (start - kHeaderSize) / kEntrySize;
    // Each page's bytes run from its offset to the next page's, the last
    // page's to the end of the file.
    std::vector<qint64> offsets;
    for (qint64 k = 0; k < count; ++k) {
        const quint32 offset = wordAt(data, kHeaderSize + kEntrySize * k);
        if (offset >= 0x80000000u)
            damaged(QStringLiteral("the offset of page %1 is %2, 2^31 or more").arg(k + 1).arg(offset));
        if (start + qint64(offset) >= size)
            damaged(
                QStringLiteral("page %1 would begin at byte %2, past its end at %3 bytes: it is truncated")
                    .arg(k + 1)
                    .arg(start + qint64(offset))
                    .arg(size));
        if (k == 0 && offset != 0)
            damaged(QStringLiteral("page 1 would begin at offset %1, not where the page data begins")
                        .arg(offset));
        if (k > 0 && qint64(offset) <= offsets.back())
            damaged(QStringLiteral("page %1 would begin at offset %2, not after page %3's data")
                        .arg(k + 1)
                        .arg(offset)
                        .arg(k));
        offsets.push_back(offset);
    }
    std::vector<std::unique_ptr<TppPage>> pages;
    for (qint64 k = 0; k < count; ++k) {
        const qint64 from = start + offsets[k];
        const qint64 to = k + 1 < count ? start + offsets[k + 1] : size;
        auto page = readPage(data.sliced(from, to - from), int(k), from);
        const qint32 number = qint32(wordAt(data, kHeaderSize + kEntrySize * k + 4));
        if (page->AbsolutePageNo != number)
            damaged(QStringLiteral("page %1 is listed as page %2 but holds page %3")
                        .arg(k + 1)
                        .arg(number)
                        .arg(page->AbsolutePageNo));
        pages.push_back(std::move(page));
    }
    if (count == 0 && size > start)
        damaged(QStringLiteral("it lists no pages but holds %1 bytes of page data").arg(size - start));
    return pages;
}

std::vector<std::unique_ptr<TppPage>> ReadArchiveFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ETemplateLoadError(
            QStringLiteral("Cannot read the archive \"%1\": %2").arg(fileName, file.errorString()));
    return ReadArchive(file.readAll());
}
