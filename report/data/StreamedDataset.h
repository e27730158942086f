#pragma once

#include "Dataset.h"

#include <QVariantList>
#include <deque>
#include <memory>
#include <optional>

// Rows read front to back from a source that can start again at any row: a
// query run again, a file read again from a remembered offset. Failures to
// read raise EDataError naming the source.
class RowReader {
public:
    virtual ~RowReader() = default;
    // Positions the reader so that read() gives the row `ordinal` next (the
    // first row is 0); answers the ordinal reached, less when there are fewer rows.
    virtual qint64 seek(qint64 ordinal) = 0;
    // The next row; false past the last one.
    virtual bool read(QVariantList& row) = 0;
};

// A run of consecutive rows of one reader: what the cursor stands on and what
// it passed a moment ago, so short moves back and page restarts near the
// cursor cost nothing, while the table itself is never held.
class RowWindow {
public:
    explicit RowWindow(std::unique_ptr<RowReader> reader) : reader_(std::move(reader)) {}

    // The row `ordinal`, null when there is none. The pointer holds until the
    // next call.
    const QVariantList* row(qint64 ordinal);
    // The row if the window holds it, without reading.
    const QVariantList* peek(qint64 ordinal) const {
        return ordinal >= start_ && ordinal < windowEnd() ? &rows_[std::size_t(ordinal - start_)] : nullptr;
    }
    // Whether the row has been read once: ordinals do not change, so it is there.
    bool seen(qint64 ordinal) const { return ordinal >= 0 && ordinal < reached_; }
    // The number of rows, once a read has run past the last one.
    std::optional<qint64> end() const { return end_; }

private:
    qint64 windowEnd() const { return start_ + qint64(rows_.size()); }
    void restartAt(qint64 ordinal);
    bool readOne();

    std::unique_ptr<RowReader> reader_;
    std::deque<QVariantList> rows_;
    qint64 start_ = 0; // the reader stands at start_ + rows_.size()
    std::size_t capacity_ = kRows;
    qint64 reached_ = 0; // rows read so far, at most
    std::optional<qint64> end_;

    // Rows kept behind the cursor; walking backwards past them doubles the
    // window up to kMostRows, so a backward walk over a table that can only
    // be read forwards restarts its reading a few dozen times, not once a row.
    static constexpr std::size_t kRows = 256;
    static constexpr std::size_t kMostRows = 16384;
    // A jump back to a bookmark reads a few rows before it, for Prior().
    static constexpr qint64 kRowsBeforeJump = 16;
};

// A read-only dataset whose rows are read as the cursor reaches them. A
// bookmark is the row's ordinal; going back to one starts reading again from
// there, which the source makes cheap (a seek in an indexed file) or at least
// possible (a query run again). The number of rows is known once the cursor
// has passed the last one, and asked of the source before that only when
// someone wants it.
class StreamedDataset : public Dataset {
    Q_OBJECT
public:
    using Dataset::Dataset;

    bool isActive() const override { return cursor_ != nullptr; }
    void close() override;

    int recordCount() const override;
    int recNo() const override { return int(current_); }
    bool bof() const override { return bof_; }
    bool eof() const override { return eof_; }
    void first() override;
    void last() override;
    int moveBy(int distance) override;

    Bookmark bookmark() const override;
    bool bookmarkValid(const Bookmark& bookmark) const override;
    void gotoBookmark(const Bookmark& bookmark) override;

    using Dataset::value;
    QVariant value(int field) const override;
    QVariant valueAt(int record, int field) const override;

protected:
    // A reader from the first row, as the source stands now.
    virtual std::unique_ptr<RowReader> newReader() const = 0;
    // The number of rows, asked of the source; the cursor's own count wins
    // once it has seen the end.
    virtual qint64 countRows() const = 0;
    // Starts reading afresh with `reader` (opening, or a refresh with new
    // parameters) and stands on the first row; `rows` is the count when the
    // caller knows it.
    void startReading(std::unique_ptr<RowReader> reader, std::optional<qint64> rows = std::nullopt);
    void stopReading();

private:
    const QVariantList* currentRow() const;
    void moveTo(qint64 ordinal);
    std::optional<qint64> knownCount() const;

    std::unique_ptr<RowWindow> cursor_;       // the rows under the cursor
    mutable std::unique_ptr<RowWindow> grid_; // valueAt(), made on first use
    mutable std::optional<qint64> count_;
    qint64 current_ = -1;
    bool bof_ = true;
    bool eof_ = true;
};
