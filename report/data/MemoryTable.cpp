#include "MemoryTable.h"

#include <algorithm>
#include <stdexcept>

void MemoryTable::setFieldDefs(const FieldDefs& defs) {
    if (active_)
        throw std::logic_error("Cannot change the fields of an open table");
    defs_ = defs;
}

void MemoryTable::open() {
    if (active_)
        return;
    active_ = true;
    records_.clear();
    first();
    emit activeChanged(true);
    notifyContent();
}

void MemoryTable::close() {
    if (!active_)
        return;
    active_ = false;
    appending_ = false;
    editing_ = false;
    records_.clear();
    current_ = -1;
    bof_ = eof_ = true;
    emit activeChanged(false);
    notifyContent();
}

void MemoryTable::requireActive() const {
    if (!active_)
        throw std::logic_error("The table is not open");
}

void MemoryTable::requireField(int field) const {
    if (field < 0 || field >= defs_.size())
        throw std::out_of_range("No such field");
}

int MemoryTable::recNo() const {
    return appending_ ? int(records_.size()) : current_;
}

void MemoryTable::moveTo(int index) {
    const int previous = current_;
    current_ = records_.isEmpty() ? -1 : index;
    if (current_ != previous)
        notifyCurrent();
}

void MemoryTable::first() {
    requireActive();
    if (appending_ || editing_)
        post();
    moveTo(0);
    bof_ = true;
    eof_ = records_.isEmpty();
}

void MemoryTable::last() {
    requireActive();
    if (appending_ || editing_)
        post();
    moveTo(int(records_.size()) - 1);
    eof_ = true;
    bof_ = records_.isEmpty();
}

int MemoryTable::moveBy(int distance) {
    requireActive();
    if (appending_ || editing_)
        post();
    if (records_.isEmpty() || distance == 0)
        return 0;
    const qint64 target = qint64(current_) + distance;
    const int clamped = int(std::clamp<qint64>(target, 0, records_.size() - 1));
    const int moved = clamped - current_;
    if (moved != 0) {
        bof_ = false;
        eof_ = false;
    }
    if (target < 0)
        bof_ = true;
    if (target >= records_.size())
        eof_ = true;
    moveTo(clamped);
    return moved;
}

Bookmark MemoryTable::bookmark() const {
    if (current_ < 0 || appending_)
        return {};
    return {records_[current_].id};
}

int MemoryTable::indexOf(const Bookmark& bookmark) const {
    // Records stay in the order they were appended and every append takes a
    // higher id, so the ids are sorted: generation goes back to a page's
    // record this way on every page, also at the end of a long table.
    const auto found = std::lower_bound(records_.begin(), records_.end(), bookmark.id,
                                        [](const Record& record, qint64 id) { return record.id < id; });
    return found != records_.end() && found->id == bookmark.id ? int(found - records_.begin()) : -1;
}

bool MemoryTable::bookmarkValid(const Bookmark& bookmark) const {
    return bookmark.isValid() && indexOf(bookmark) >= 0;
}

void MemoryTable::gotoBookmark(const Bookmark& bookmark) {
    requireActive();
    const int index = indexOf(bookmark);
    if (index < 0)
        throw std::invalid_argument("Bookmark not found");
    bof_ = eof_ = false;
    moveTo(index);
}

QVariant MemoryTable::value(int field) const {
    requireField(field);
    if (appending_ || editing_)
        return pending_.values[field];
    return current_ < 0 ? QVariant() : records_[current_].values[field];
}

QVariant MemoryTable::valueAt(int record, int field) const {
    requireField(field);
    if (record < 0 || record >= records_.size())
        return QVariant();
    return records_[record].values[field];
}

void MemoryTable::append() {
    requireActive();
    if (appending_ || editing_)
        post();
    pending_ = Record{nextId_++, QVariantList(defs_.size())};
    appending_ = true;
}

void MemoryTable::edit() {
    requireActive();
    if (appending_ || editing_)
        return;
    if (current_ < 0)
        throw std::logic_error("There is no record to edit");
    pending_ = records_[current_];
    editing_ = true;
}

void MemoryTable::deleteRecord() {
    requireActive();
    cancel();
    if (current_ < 0)
        return;
    records_.removeAt(current_);
    current_ = records_.isEmpty() ? -1 : std::min<int>(current_, int(records_.size()) - 1);
    bof_ = eof_ = records_.isEmpty();
    notifyContent();
    notifyCurrent();
}

void MemoryTable::setValue(int field, const QVariant& value) {
    requireField(field);
    if (!appending_ && !editing_)
        throw std::logic_error("The table is not in append or edit mode");
    pending_.values[field] = value;
}

void MemoryTable::setValue(const QString& fieldName, const QVariant& value) {
    const int index = fieldIndex(fieldName);
    if (index < 0)
        throw std::out_of_range("No field named " + fieldName.toStdString());
    setValue(index, value);
}

void MemoryTable::post() {
    if (editing_) {
        editing_ = false;
        records_[current_] = pending_;
        notifyContent();
        return;
    }
    if (!appending_)
        return;
    appending_ = false;
    records_.append(pending_);
    bof_ = eof_ = false;
    current_ = int(records_.size()) - 1;
    notifyContent();
    notifyCurrent();
}

void MemoryTable::cancel() {
    appending_ = editing_ = false;
}

void MemoryTable::emptyTable() {
    requireActive();
    appending_ = false;
    records_.clear();
    current_ = -1;
    bof_ = eof_ = true;
    notifyContent();
    notifyCurrent();
}

void MemoryTable::enableControls() {
    if (disabled_ == 0 || --disabled_ > 0)
        return;
    if (std::exchange(missedContent_, false))
        emit contentChanged();
    if (std::exchange(missedCurrent_, false))
        emit currentChanged();
}

void MemoryTable::notifyContent() {
    if (disabled_ > 0)
        missedContent_ = true;
    else
        emit contentChanged();
}

void MemoryTable::notifyCurrent() {
    if (disabled_ > 0)
        missedCurrent_ = true;
    else
        emit currentChanged();
}
