#include "StreamedDataset.h"

#include <algorithm>
#include <stdexcept>

// The window ------------------------------------------------------------------------

const QVariantList* RowWindow::row(qint64 ordinal) {
    if (ordinal < 0 || (end_ && ordinal >= *end_))
        return nullptr;
    if (const QVariantList* held = peek(ordinal))
        return held;
    if (ordinal < start_) {
        if (ordinal == start_ - 1 && !rows_.empty()) {
            // Walking backwards off the front of the window.
            capacity_ = std::min(capacity_ * 2, kMostRows);
            restartAt(std::max<qint64>(0, ordinal - qint64(capacity_) + 1));
        } else {
            capacity_ = kRows;
            restartAt(std::max<qint64>(0, ordinal - kRowsBeforeJump));
        }
    } else if (ordinal - windowEnd() > qint64(capacity_)) {
        // Far ahead: the reader steps over the rows between without
        // converting them.
        capacity_ = kRows;
        restartAt(ordinal - kRowsBeforeJump);
    }
    while (windowEnd() <= ordinal)
        if (!readOne())
            return nullptr;
    return &rows_[std::size_t(ordinal - start_)];
}

void RowWindow::restartAt(qint64 ordinal) {
    rows_.clear();
    start_ = reader_->seek(ordinal);
    reached_ = std::max(reached_, start_);
    if (start_ < ordinal)
        end_ = start_;
}

bool RowWindow::readOne() {
    QVariantList row;
    if (!reader_->read(row)) {
        end_ = windowEnd();
        return false;
    }
    rows_.push_back(std::move(row));
    while (rows_.size() > capacity_) {
        rows_.pop_front();
        ++start_;
    }
    reached_ = std::max(reached_, windowEnd());
    return true;
}

// The dataset -----------------------------------------------------------------------

namespace {

void requireActive(bool active) {
    if (!active)
        throw std::logic_error("The dataset is not open");
}

} // namespace

void StreamedDataset::startReading(std::unique_ptr<RowReader> reader, std::optional<qint64> rows) {
    cursor_ = std::make_unique<RowWindow>(std::move(reader));
    grid_.reset();
    count_ = rows;
    current_ = cursor_->row(0) ? 0 : -1;
    bof_ = true;
    eof_ = current_ < 0;
    emit contentChanged();
    emit currentChanged();
}

void StreamedDataset::stopReading() {
    cursor_.reset();
    grid_.reset();
    count_.reset();
    current_ = -1;
    bof_ = eof_ = true;
}

void StreamedDataset::close() {
    if (!isActive())
        return;
    stopReading();
    emit activeChanged(false);
    emit contentChanged();
}

std::optional<qint64> StreamedDataset::knownCount() const {
    if (cursor_ && cursor_->end())
        return cursor_->end();
    if (grid_ && grid_->end())
        return grid_->end();
    return count_;
}

int StreamedDataset::recordCount() const {
    if (!cursor_)
        return 0;
    if (!knownCount())
        count_ = countRows();
    return int(*knownCount());
}

const QVariantList* StreamedDataset::currentRow() const {
    return cursor_ && current_ >= 0 ? cursor_->row(current_) : nullptr;
}

void StreamedDataset::moveTo(qint64 ordinal) {
    if (ordinal == current_)
        return;
    current_ = ordinal;
    emit currentChanged();
}

void StreamedDataset::first() {
    requireActive(isActive());
    moveTo(cursor_->row(0) ? 0 : -1);
    bof_ = true;
    eof_ = current_ < 0;
}

void StreamedDataset::last() {
    requireActive(isActive());
    qint64 target = recordCount() - 1;
    // A count the source answered may be off when the data changed since
    // the reading began: the rows read decide.
    while (target >= 0 && !cursor_->row(target))
        target = cursor_->end().value_or(0) - 1;
    while (cursor_->row(target + 1))
        ++target;
    moveTo(target);
    eof_ = true;
    bof_ = target < 0;
}

int StreamedDataset::moveBy(int distance) {
    requireActive(isActive());
    if (current_ < 0 || distance == 0)
        return 0;
    const qint64 target = current_ + distance;
    qint64 landed = target;
    if (target < 0)
        landed = 0;
    else if (!cursor_->row(target))
        landed = cursor_->end().value_or(current_ + 1) - 1;
    const int moved = int(landed - current_);
    if (moved != 0)
        bof_ = eof_ = false;
    if (target < 0)
        bof_ = true;
    if (target > landed)
        eof_ = true;
    moveTo(landed);
    return moved;
}

Bookmark StreamedDataset::bookmark() const {
    return current_ < 0 ? Bookmark() : Bookmark{current_};
}

bool StreamedDataset::bookmarkValid(const Bookmark& bookmark) const {
    return cursor_ && bookmark.isValid() && (cursor_->seen(bookmark.id) || cursor_->row(bookmark.id));
}

void StreamedDataset::gotoBookmark(const Bookmark& bookmark) {
    requireActive(isActive());
    // Read here, not when a value is asked for: a failure to read must end
    // the move, where a data-bound text would take it for an empty value.
    if (!bookmark.isValid() || !cursor_->row(bookmark.id))
        throw std::invalid_argument("Bookmark not found");
    bof_ = eof_ = false;
    moveTo(bookmark.id);
}

QVariant StreamedDataset::value(int field) const {
    if (field < 0 || field >= fieldDefs().size())
        throw std::out_of_range("No such field");
    const QVariantList* row = currentRow();
    return row ? row->value(field) : QVariant();
}

QVariant StreamedDataset::valueAt(int record, int field) const {
    if (field < 0 || field >= fieldDefs().size())
        throw std::out_of_range("No such field");
    if (!cursor_)
        return QVariant();
    // The grid reads with a window of its own, so that showing rows does not
    // move the cursor's reading.
    const QVariantList* row = cursor_->peek(record);
    if (!row) {
        if (!grid_)
            grid_ = std::make_unique<RowWindow>(newReader());
        row = grid_->row(record);
    }
    return row ? row->value(field) : QVariant();
}
