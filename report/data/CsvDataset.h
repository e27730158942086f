#pragma once

#include "CsvTable.h"
#include "StreamedDataset.h"

#include <memory>

struct CsvIndex;

// A CSV file as a read-only dataset, read record by record as the cursor
// reaches it, in the form loadCsvTable() takes. Reading notes the offset of
// every few records, so going back to a bookmark is a seek and a few records
// read again. A column without a declared type takes the type all its values
// fit, which only a reading of the whole file tells: opening then reads the
// file through once (building the index on the way, keeping no values) and
// gives each field the length of its longest value; a file whose types are
// all declared is not read ahead at all and its field lengths are 0
// (unknown). A bad value is an EDataError when the cursor reaches it, naming
// the file and the line; so is a file that changes or shrinks under the
// reading.
class CsvDataset final : public StreamedDataset {
    Q_OBJECT
public:
    explicit CsvDataset(QObject* parent = nullptr);
    ~CsvDataset() override;

    // Only while closed.
    void setFileName(const QString& path);
    const QString& fileName() const { return path_; }

    void open() override;
    const FieldDefs& fieldDefs() const override { return columns_.defs; }

protected:
    std::unique_ptr<RowReader> newReader() const override;
    qint64 countRows() const override;

private:
    QString path_;
    CsvColumns columns_;
    std::shared_ptr<CsvIndex> index_;
};
