#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

// One record of a CSV text, the line it starts on (for messages) and the
// byte offset it starts at (to read it again).
struct CsvRecord {
    int line = 0;
    QStringList cells;
    qint64 offset = 0;
};

// Reads CSV records one at a time from a device: cells separated by commas,
// records by CR, LF or CR LF; a cell in double quotes may hold commas, line
// breaks and doubled quotes. The text is UTF-8; a leading byte-order mark is
// skipped and blank lines are ignored. An unterminated quote raises
// EDataError naming its line. The separators are ASCII, which never occurs
// inside a multi-byte UTF-8 character, so the reader splits bytes and decodes
// cells.
class CsvRecordReader {
public:
    explicit CsvRecordReader(QIODevice& device);

    // The next record; false at the end of the device.
    bool next(CsvRecord& record);
    // Reads on from a record's offset and line, as next() gave them.
    void seek(qint64 offset, int line);

private:
    bool atEnd();
    char peek() const { return buffer_[pos_]; }
    char take() { return buffer_[pos_++]; }
    void readRecord(QStringList& cells);
    QString readCell();
    QString readQuotedCell();
    void endLine(char ending);

    QIODevice& device_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    qint64 bufferOffset_ = 0; // the device offset of buffer_[0]
    int line_ = 1;
};

// All records of a text, as CsvRecordReader reads them.
QList<CsvRecord> readCsvRecords(const QString& text);
