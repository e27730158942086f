#pragma once

#include "Dataset.h"

#include <QList>
#include <QVariantList>

// An in-memory table: records stay in the order they were posted, there is no
// key and no index. Editing follows the usual dataset protocol: append() starts
// a new record at the end (so does insert()), edit() changes the current one,
// setValue() fills it, post() keeps it, cancel() drops it.
class MemoryTable final : public Dataset {
    Q_OBJECT
public:
    using Dataset::Dataset;

    // Replaces the fields; only while the table is closed.
    void setFieldDefs(const FieldDefs& defs);
    const FieldDefs& fieldDefs() const override { return defs_; }

    bool isActive() const override { return active_; }
    void open() override;
    void close() override;

    int recordCount() const override { return int(records_.size()); }
    int recNo() const override;
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

    void append();
    void insert() override { append(); }
    void edit() override;
    void setValue(int field, const QVariant& value) override;
    void setValue(const QString& fieldName, const QVariant& value);
    void post() override;
    void cancel() override;
    void deleteRecord() override;
    bool isAppending() const { return appending_; }
    // Removes every record; the fields stay.
    void emptyTable();

    // While disabled, changes notify nobody; enabling sends one notice.
    void disableControls() { ++disabled_; }
    void enableControls();

private:
    struct Record {
        qint64 id;
        QVariantList values;
    };

    void requireActive() const;
    int indexOf(const Bookmark& bookmark) const;
    void requireField(int field) const;
    void moveTo(int index);
    void notifyContent();
    void notifyCurrent();

    FieldDefs defs_;
    QList<Record> records_;
    Record pending_;
    qint64 nextId_ = 0;
    int current_ = -1;
    bool active_ = false;
    bool appending_ = false;
    bool editing_ = false;
    bool bof_ = true;
    bool eof_ = true;
    int disabled_ = 0;
    bool missedContent_ = false;
    bool missedCurrent_ = false;
};
