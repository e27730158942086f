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
// Rows are read, never written back: editing throws EDataError.
class SqlDataset final : public Dataset {
    Q_OBJECT
public:
    explicit SqlDataset(QObject* parent = nullptr);

    // Adds (or reuses) a SQLite connection to a file, or to ":memory:".
    static QSqlDatabase openSqlite(const QString& fileName, const QString& connectionName);

    void setDatabase(const QSqlDatabase& database);
    // Only while closed.
    void setQuery(const QString& sql);
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

private:
    void load();
    void watchMaster();

    QString connectionName_;
    QString sql_;
    DataSource* masterSource_ = nullptr;
    // Linked to the master source, to hear when it goes away.
    TppCommunicator masterLink_;
    QList<QMetaObject::Connection> masterConnections_;
    MemoryTable rows_;
};
