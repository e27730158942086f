#include "CsvDataset.h"

#include "PagewrightErrors.h"

#include <QFile>
#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

// Where every kStep-th record starts, as far as any reading has come; shared
// by the readers of one opening, which read the same file.
struct CsvIndex {
    static constexpr qint64 kStep = 64;
    struct Mark {
        qint64 offset;
        int line;
    };
    qint64 fileSize = 0;
    std::vector<Mark> marks; // marks[i] is record i * kStep
    std::optional<qint64> rows;
};

namespace {

[[noreturn]] void failed(const QString& path, const QString& message) {
    throw EDataError(QStringLiteral("\"%1\", %2").arg(path, message));
}

// The records of the file after its header, converted; position_ is the
// ordinal of the record read next.
class CsvRowReader final : public RowReader {
public:
    CsvRowReader(const QString& path, const CsvColumns& columns, std::shared_ptr<CsvIndex> index)
        : path_(path), columns_(columns), index_(std::move(index)), file_(path) {
        if (!file_.open(QIODevice::ReadOnly))
            failed(path_, QStringLiteral("cannot be opened: ") + file_.errorString());
        reader_.emplace(file_);
        if (index_->marks.empty()) {
            CsvRecord header;
            reader_->next(header);
        } else {
            reader_->seek(index_->marks.front().offset, index_->marks.front().line);
        }
    }

    qint64 seek(qint64 ordinal) override {
        if (file_.size() != index_->fileSize)
            failed(path_, QStringLiteral("changed while the report read it"));
        if (!index_->marks.empty()) {
            const qint64 mark = std::min<qint64>(ordinal / CsvIndex::kStep, qint64(index_->marks.size()) - 1);
            // Reading on is no slower than jumping when the jump would land behind.
            if (position_ > ordinal || position_ < mark * CsvIndex::kStep) {
                const CsvIndex::Mark& at = index_->marks[std::size_t(mark)];
                try {
                    reader_->seek(at.offset, at.line);
                } catch (const EDataError& error) {
                    failed(path_, error.message());
                }
                position_ = mark * CsvIndex::kStep;
            }
        }
        CsvRecord record;
        while (position_ < ordinal && nextRecord(record)) {
        }
        return position_;
    }

    bool read(QVariantList& row) override {
        CsvRecord record;
        if (!nextRecord(record))
            return false;
        try {
            row = csvValues(record, columns_);
        } catch (const EDataError& error) {
            failed(path_, error.message());
        }
        return true;
    }

    // The next record as text, noting it in the index.
    bool nextRecord(CsvRecord& record) {
        bool more = false;
        try {
            more = reader_->next(record);
        } catch (const EDataError& error) {
            failed(path_, error.message());
        }
        if (!more) {
            // Fewer records than an earlier reading found: the file was cut.
            const qint64 known =
                index_->rows.value_or((qint64(index_->marks.size()) - 1) * CsvIndex::kStep + 1);
            if (position_ < known)
                failed(path_, QStringLiteral("changed while the report read it"));
            index_->rows = position_;
            return false;
        }
        if (position_ % CsvIndex::kStep == 0 && position_ / CsvIndex::kStep == qint64(index_->marks.size()))
            index_->marks.push_back({record.offset, record.line});
        ++position_;
        return true;
    }

private:
    QString path_;
    CsvColumns columns_;
    std::shared_ptr<CsvIndex> index_;
    QFile file_;
    std::optional<CsvRecordReader> reader_;
    qint64 position_ = 0;
};

} // namespace

CsvDataset::CsvDataset(QObject* parent) : StreamedDataset(parent) {}

CsvDataset::~CsvDataset() = default;

void CsvDataset::setFileName(const QString& path) {
    if (isActive())
        throw EDataError(QStringLiteral("Cannot change the file of an open dataset"));
    path_ = path;
}

void CsvDataset::open() {
    if (isActive())
        return;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        throw EDataError(QStringLiteral("Cannot open \"%1\": %2").arg(path_, file.errorString()));
    CsvRecord header;
    try {
        CsvRecordReader reader(file);
        if (!reader.next(header))
            throw EDataError(QStringLiteral("the CSV data has no header line naming its fields"));
        columns_ = csvColumns(header);
    } catch (const EDataError& error) {
        failed(path_, error.message());
    }
    index_ = std::make_shared<CsvIndex>();
    index_->fileSize = file.size();
    if (columns_.anyUndeclared()) {
        std::vector<CsvTypeGuess> guesses(std::size_t(columns_.defs.size()));
        CsvRowReader scan(path_, columns_, index_);
        CsvRecord record;
        while (scan.nextRecord(record)) {
            try {
                checkCsvWidth(record, columns_);
            } catch (const EDataError& error) {
                failed(path_, error.message());
            }
            for (qsizetype column = 0; column < columns_.defs.size(); ++column) {
                const QString& cell = record.cells[column];
                guesses[std::size_t(column)].see(cell);
                columns_.defs[column].size = std::max(columns_.defs[column].size, int(cell.size()));
            }
        }
        for (qsizetype column = 0; column < columns_.defs.size(); ++column)
            if (columns_.typeNames[column].isEmpty())
                columns_.defs[column].type = guesses[std::size_t(column)].type();
    }
    startReading(newReader(), index_->rows);
    emit activeChanged(true);
}

std::unique_ptr<RowReader> CsvDataset::newReader() const {
    return std::make_unique<CsvRowReader>(path_, columns_, index_);
}

qint64 CsvDataset::countRows() const {
    if (!index_->rows)
        newReader()->seek(std::numeric_limits<qint64>::max());
    return index_->rows.value_or(0);
}
