#pragma once

#include "MemoryTable.h"
#include "TppCommunicator.h"

#include <QPointer>
#include <QSqlDatabase>

// A table or query of any Qt SQL database as a dataset; SQLite (a file, or
// ":memory:") is the embedded default. Opening runs the query and keeps its
// rows, so the cursor moves both ways and bookmarks hold on every driver.
//
// A detail query names its master's fields as parameters
// ("SELECT * FROM items WHERE custno = :CUSTNO"): with a master source set,
// the query runs again for each master record.
//
// A table opened with setTable() is written back: a posted insert or edit
// runs INSERT or UPDATE, a delete DELETE, each record found by the table's
// primary key; a statement the database refuses is an EDataError and the
// record stays in its insert or edit state. The rows of a query are read
// only: editing them throws EDataError.
class SqlDataset final : public Dataset {
    Q_OBJECT
public:
    explicit SqlDataset(QObject* parent = nullptr);

    // Adds (or reuses) a SQLite connection to a file, or to ":memory:".
    static QSqlDatabase openSqlite(const QString& fileName, const QString& connectionName);

    void setDatabase(const QSqlDatabase& database);
    // Only while closed.
    void setQuery(const QString& sql);
    // All rows and columns of the table, which can then be edited.
    void setTable(const QString& table);
    const QString& query() const { return sql_; }
    void setMasterSource(DataSource* source);
    DataSource* masterSource() const override { return masterSource_; }

    bool isActive() const override { return rows_.isActive(); }
    void open() override;
    void close() override;
    void refresh() override;

    const FieldDefs& fieldDefs() const override { return rows_.fieldDefs(); }
    int recordCount() const override { return rows_.recordCount(); }
    int recNo() const override { return rows_.recNo(); }
    bool bof() const override { return rows_.bof(); }
    bool eof() const override { return rows_.eof(); }
    void first() override { rows_.first(); }
    void last() override { rows_.last(); }
    int moveBy(int distance) override { return rows_.moveBy(distance); }
    Bookmark bookmark() const override { return rows_.bookmark(); }
    bool bookmarkValid(const Bookmark& bookmark) const override { return rows_.bookmarkValid(bookmark); }
    void gotoBookmark(const Bookmark& bookmark) override { rows_.gotoBookmark(bookmark); }
    using Dataset::value;
    QVariant value(int field) const override { return rows_.value(field); }
    QVariant valueAt(int record, int field) const override { return rows_.valueAt(record, field); }

    void edit() override;
    void insert() override;
    void setValue(int field, const QVariant& value) override;
    void post() override;
    void cancel() override;
    void deleteRecord() override;

private:
    enum class Mode { Browse, Edit, Insert };

    void load();
    void watchMaster();
    void requireTable() const;
    QSqlDatabase database() const;
    QString escapedField(int field) const;
    void execute(QSqlQuery& query, const QString& sql, const QVariantList& values) const;
    // "key1 = ? AND key2 = ?" for the current record, its key values appended to `values`.
    QString whereCurrentKey(const QVariantList& record, QVariantList& values) const;
    void postInsert();
    void postEdit();

    QString connectionName_;
    QString sql_;
    QString table_; // set when the rows are a whole table, which can be edited
    Mode mode_ = Mode::Browse;
    QVariantList original_; // the record being edited, as the database holds it
    QVariantList pending_;  // the values being inserted or edited
    DataSource* masterSource_ = nullptr;
    // Linked to the master source, to hear when it goes away.
    TppCommunicator masterLink_;
    QList<QMetaObject::Connection> masterConnections_;
    MemoryTable rows_;
};
