#include "CsvReader.h"

#include "PagewrightErrors.h"

#include <QBuffer>

namespace {

constexpr qint64 kChunk = 64 * 1024;

bool isSeparator(char c) {
    return c == ',' || c == '\r' || c == '\n';
}

} // namespace

CsvRecordReader::CsvRecordReader(QIODevice& device) : device_(device) {
    seek(0, 1);
    if (!atEnd() && buffer_.startsWith("\xEF\xBB\xBF"))
        pos_ = 3;
}

void CsvRecordReader::seek(qint64 offset, int line) {
    if (!device_.seek(offset))
        throw EDataError(QStringLiteral("line %1: cannot read on: %2").arg(line).arg(device_.errorString()));
    buffer_.clear();
    pos_ = 0;
    bufferOffset_ = offset;
    line_ = line;
}

bool CsvRecordReader::atEnd() {
    if (pos_ < buffer_.size())
        return false;
    bufferOffset_ += buffer_.size();
    buffer_ = device_.read(kChunk);
    pos_ = 0;
    return buffer_.isEmpty();
}

bool CsvRecordReader::next(CsvRecord& record) {
    for (;;) {
        if (atEnd())
            return false;
        record.offset = bufferOffset_ + pos_;
        record.line = line_;
        record.cells.clear();
        readRecord(record.cells);
        if (!(record.cells.size() == 1 && record.cells.front().isEmpty()))
            return true;
    }
}

void CsvRecordReader::readRecord(QStringList& cells) {
    for (;;) {
        cells << readCell();
        if (atEnd())
            return;
        const char separator = take();
        if (separator == ',')
            continue;
        endLine(separator);
        return;
    }
}

QString CsvRecordReader::readCell() {
    if (!atEnd() && peek() == '"')
        return readQuotedCell();
    QByteArray cell;
    while (!atEnd() && !isSeparator(peek())) {
        // Most cells lie within the chunk: take the run at once.
        const qsizetype start = pos_;
        while (pos_ < buffer_.size() && !isSeparator(buffer_[pos_]))
            ++pos_;
        cell.append(buffer_.constData() + start, pos_ - start);
    }
    return QString::fromUtf8(cell);
}

QString CsvRecordReader::readQuotedCell() {
    const int openedOn = line_;
    take();
    QByteArray cell;
    for (;;) {
        if (atEnd())
            throw EDataError(QStringLiteral("line %1: a quoted value is not closed").arg(openedOn));
        const char c = take();
        if (c == '"') {
            if (!atEnd() && peek() == '"') {
                cell += '"';
                take();
                continue;
            }
            break;
        }
        if (c == '\r' || c == '\n') {
            endLine(c);
            cell += '\n';
            continue;
        }
        cell += c;
    }
    // Text between the closing quote and the next separator belongs to
    // the cell as it stands, as spreadsheets read it.
    while (!atEnd() && !isSeparator(peek()))
        cell += take();
    return QString::fromUtf8(cell);
}

// A line ends at CR, LF or CR LF.
void CsvRecordReader::endLine(char ending) {
    if (ending == '\r' && !atEnd() && peek() == '\n')
        take();
    ++line_;
}

QList<CsvRecord> readCsvRecords(const QString& text) {
    QByteArray bytes = text.toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CsvRecordReader reader(buffer);
    QList<CsvRecord> records;
    CsvRecord record;
    while (reader.next(record))
        records << record;
    return records;
}
