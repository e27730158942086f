#pragma once

#include "MemoryTable.h"
#include "StreamedDataset.h"
#include "TppCommunicator.h"

#include <QPointer>
#include <QSqlDatabase>
#include <memory>

struct SqlKeys;

// A table or query of any Qt SQL database as a dataset; SQLite (a file, or
// ":memory:") is the embedded default. Rows are fetched with a forward-only
// query as the cursor reaches them, so a report's first page never waits for
// the whole result: a bookmark is the row's ordinal, going back further than
// the rows kept near the cursor runs the query again and steps over the rows
// before, and the number of rows is asked of the database (COUNT(*) over the
// query) only when someone wants it before the cursor has passed the end. A
// database that fails mid-way (its connection closed, its file gone) is an
// EDataError naming the database, never a short result.
//
// A detail query names its master's fields as parameters
// ("SELECT * FROM items WHERE custno = :CUSTNO"): with a master source set,
// the query runs again for each master record.
//
// A table opened with setTable() is written back: a posted insert or edit
// runs INSERT or UPDATE, a delete DELETE, each record found by the table's
// primary key; a statement the database refuses is an EDataError and the
// record stays in its insert or edit state. Editing reads the table's rows
// into memory first (bookmarks stay the ordinals they were) and keeps them
// there until the dataset is refreshed or closed. The rows of a query are
// read only: editing them throws EDataError.
//
// A SQLite table is read in the order of its row ids, and going back runs
// the query from the nearest id noted on the way, so no page is made slower
// for lying far down.
class SqlDataset final : public StreamedDataset {
    Q_OBJECT
public:
    explicit SqlDataset(QObject* parent = nullptr);

    // Adds (or reuses) a SQLite connection to a file, or to ":memory:".
    static QSqlDatabase openSqlite(const QString& fileName, const QString& connectionName);

    void setDatabase(const QSqlDatabase& database);
    // Only while closed. Named parameters (":name") take the values bound
    // here, else the master's field of that name: values never become part
    // of the SQL text.
    void setQuery(const QString& sql, const QList<std::pair<QString, QVariant>>& bound = {});
    // All rows and columns of the table, which can then be edited.
    void setTable(const QString& table);
    const QString& query() const { return sql_; }
    void setMasterSource(DataSource* source);
    DataSource* masterSource() const override { return masterSource_; }

    bool isActive() const override { return edited_ || StreamedDataset::isActive(); }
    void open() override;
    void close() override;
    void refresh() override;

    const FieldDefs& fieldDefs() const override { return defs_; }
    int recordCount() const override {
        return edited_ ? edited_->recordCount() : StreamedDataset::recordCount();
    }
    int recNo() const override { return edited_ ? edited_->recNo() : StreamedDataset::recNo(); }
    bool bof() const override { return edited_ ? edited_->bof() : StreamedDataset::bof(); }
    bool eof() const override { return edited_ ? edited_->eof() : StreamedDataset::eof(); }
    void first() override { edited_ ? edited_->first() : StreamedDataset::first(); }
    void last() override { edited_ ? edited_->last() : StreamedDataset::last(); }
    int moveBy(int distance) override {
        return edited_ ? edited_->moveBy(distance) : StreamedDataset::moveBy(distance);
    }
    Bookmark bookmark() const override { return edited_ ? edited_->bookmark() : StreamedDataset::bookmark(); }
    bool bookmarkValid(const Bookmark& bookmark) const override {
        return edited_ ? edited_->bookmarkValid(bookmark) : StreamedDataset::bookmarkValid(bookmark);
    }
    void gotoBookmark(const Bookmark& bookmark) override {
        edited_ ? edited_->gotoBookmark(bookmark) : StreamedDataset::gotoBookmark(bookmark);
    }
    using Dataset::value;
    QVariant value(int field) const override {
        return edited_ ? edited_->value(field) : StreamedDataset::value(field);
    }
    QVariant valueAt(int record, int field) const override {
        return edited_ ? edited_->valueAt(record, field) : StreamedDataset::valueAt(record, field);
    }

    void edit() override;
    void insert() override;
    void setValue(int field, const QVariant& value) override;
    void post() override;
    void cancel() override;
    void deleteRecord() override;

protected:
    std::unique_ptr<RowReader> newReader() const override;
    qint64 countRows() const override;

private:
    enum class Mode { Browse, Edit, Insert };

    void load();
    void watchMaster();
    void requireTable() const;
    QSqlDatabase database() const;
    // The rows in memory, read on the first edit.
    MemoryTable& editable();
    QString escapedField(int field) const;
    void execute(QSqlQuery& query, const QString& sql, const QVariantList& values) const;
    // "key1 = ? AND key2 = ?" for the current record, its key values appended to `values`.
    QString whereCurrentKey(const QVariantList& record, QVariantList& values) const;
    void postInsert();
    void postEdit();

    QString connectionName_;
    QString sql_;
    QString table_; // set when the rows are a whole table, which can be edited
    FieldDefs defs_;
    // The master's values the query was run with, by parameter name; every
    // reading of the same rows binds the same.
    QList<std::pair<QString, QVariant>> parameters_;
    QList<std::pair<QString, QVariant>> bound_; // given with the query, by parameter name
    Mode mode_ = Mode::Browse;
    QVariantList original_; // the record being edited, as the database holds it
    QVariantList pending_;  // the values being inserted or edited
    DataSource* masterSource_ = nullptr;
    // Linked to the master source, to hear when it goes away.
    TppCommunicator masterLink_;
    QList<QMetaObject::Connection> masterConnections_;
    std::unique_ptr<MemoryTable> edited_;
    std::shared_ptr<SqlKeys> keys_; // a SQLite table's row ids, as far as read
};
