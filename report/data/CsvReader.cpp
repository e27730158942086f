#include "CsvReader.h"

#include "PagewrightErrors.h"

namespace {

class CsvScanner {
public:
    explicit CsvScanner(const QString& text) : text_(text) {
        if (text_.startsWith(QChar(0xFEFF)))
            pos_ = 1;
    }

    QList<CsvRecord> records() {
        QList<CsvRecord> result;
        while (pos_ < text_.size()) {
            CsvRecord record{line_, {}};
            record.cells = readRecord();
            if (!(record.cells.size() == 1 && record.cells.front().isEmpty()))
                result << record;
        }
        return result;
    }

private:
    QStringList readRecord() {
        QStringList cells;
        for (;;) {
            cells << readCell();
            if (pos_ >= text_.size())
                return cells;
            const QChar separator = text_[pos_++];
            if (separator == u',')
                continue;
            endLine(separator);
            return cells;
        }
    }

    QString readCell() {
        if (pos_ < text_.size() && text_[pos_] == u'"')
            return readQuotedCell();
        const qsizetype start = pos_;
        while (pos_ < text_.size() && !isSeparator(text_[pos_]))
            ++pos_;
        return text_.mid(start, pos_ - start);
    }

    QString readQuotedCell() {
        const int openedOn = line_;
        ++pos_;
        QString cell;
        for (;;) {
            if (pos_ >= text_.size())
                throw EDataError(QStringLiteral("line %1: a quoted value is not closed").arg(openedOn));
            const QChar c = text_[pos_++];
            if (c == u'"') {
                if (pos_ < text_.size() && text_[pos_] == u'"') {
                    cell += u'"';
                    ++pos_;
                    continue;
                }
                break;
            }
            if (c == u'\r' || c == u'\n') {
                endLine(c);
                cell += u'\n';
                continue;
            }
            cell += c;
        }
        // Text between the closing quote and the next separator belongs to
        // the cell as it stands, as spreadsheets read it.
        while (pos_ < text_.size() && !isSeparator(text_[pos_]))
            cell += text_[pos_++];
        return cell;
    }

    static bool isSeparator(QChar c) { return c == u',' || c == u'\r' || c == u'\n'; }

    // A line ends at CR, LF or CR LF.
    void endLine(QChar ending) {
        if (ending == u'\r' && pos_ < text_.size() && text_[pos_] == u'\n')
            ++pos_;
        ++line_;
    }

    const QString& text_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

} // namespace

QList<CsvRecord> readCsvRecords(const QString& text) { return CsvScanner(text).records(); }
