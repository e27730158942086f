#pragma once

#include "Bookmark.h"
#include "FieldDef.h"

#include <QObject>
#include <QStringList>
#include <QVariant>

class DataSource;

// A table of typed records walked with a cursor: the in-memory schedule table
// and the tables and queries of SQL databases look the same to the report's
// pipelines and to the grid.
//
// Cursor rules: an empty open dataset is at both BOF and EOF. first() sets BOF
// and last() sets EOF; a move that tries to go past either end stops on the end
// record and sets the flag; any move that lands on a record clears the flag of
// the other end. moveBy() answers how far the cursor really went.
class Dataset : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual bool isActive() const = 0;
    virtual void open() = 0;
    virtual void close() = 0;

    virtual const FieldDefs& fieldDefs() const = 0;
    // The field's position, names compared without regard to case; -1 if none.
    int fieldIndex(const QString& name) const;

    virtual int recordCount() const = 0;
    bool isEmpty() const { return recordCount() == 0; }

    // The current record's position, 0 for the first; -1 when there is none.
    virtual int recNo() const = 0;
    virtual bool bof() const = 0;
    virtual bool eof() const = 0;
    virtual void first() = 0;
    virtual void last() = 0;
    virtual int moveBy(int distance) = 0;
    void next() { moveBy(1); }
    void prior() { moveBy(-1); }

    virtual Bookmark bookmark() const = 0;
    virtual bool bookmarkValid(const Bookmark& bookmark) const = 0;
    virtual void gotoBookmark(const Bookmark& bookmark) = 0;
    // -1, 0 or 1 by the records' order in the dataset.
    virtual int compareBookmarks(const Bookmark& a, const Bookmark& b) const;

    // The first record from the first one whose fields equal the values;
    // texts may match without regard to case and by their beginning. Stays
    // put and answers false when no record matches.
    enum LocateOption { CaseInsensitive = 1, PartialKey = 2 };
    bool locate(const QStringList& fieldNames, const QVariantList& values, int options);

    // Characters a field shows; the field's own setting, else by its type.
    int displayWidth(int field) const;
    // Numbers are right-aligned, everything else left.
    bool isRightAligned(int field) const;

    // Editing the current record: edit() or insert() starts, setValue()
    // fills, post() keeps and cancel() drops. Datasets that cannot be
    // edited throw.
    virtual void edit();
    virtual void insert();
    virtual void setValue(int field, const QVariant& value);
    virtual void post();
    virtual void cancel();
    virtual void deleteRecord();
    // Reads the records again, keeping the dataset open.
    virtual void refresh() {}

    // A dataset that takes its records from a master (a query with the
    // master's fields as parameters) names the master's data source here.
    virtual DataSource* masterSource() const { return nullptr; }

    // Field values of the current record; a null QVariant is a null field.
    virtual QVariant value(int field) const = 0;
    QVariant value(const QString& fieldName) const;
    // Field values by record position, without moving the cursor (for grids).
    virtual QVariant valueAt(int record, int field) const = 0;

signals:
    void activeChanged(bool active);
    // Opened or closed, fields redefined, or records added, removed or changed.
    void contentChanged();
    // The cursor moved to another record.
    void currentChanged();
};

// A field value as the grid shows it: numbers in general notation with up to
// 15 significant digits, dates and times in the settings' short patterns.
struct FormatSettings;
QString fieldDisplayText(const QVariant& value, FieldType type, const FormatSettings& settings);
