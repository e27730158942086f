#include "SqlDataset.h"

#include "DataSource.h"
#include "PagewrightErrors.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

FieldType fieldTypeOf(const QMetaType& type) {
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
        return FieldType::Integer;
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return FieldType::LargeInt;
    case QMetaType::Double:
    case QMetaType::Float:
        return FieldType::Float;
    case QMetaType::Bool:
        return FieldType::Boolean;
    case QMetaType::QDate:
        return FieldType::Date;
    case QMetaType::QTime:
        return FieldType::Time;
    case QMetaType::QDateTime:
        return FieldType::DateTime;
    case QMetaType::QByteArray:
        return FieldType::Blob;
    default:
        return FieldType::String;
    }
}

} // namespace

SqlDataset::SqlDataset(QObject* parent) : Dataset(parent) {
    masterLink_.OnNotify = [this](TppCommunicator* sender, int operation) {
        if (sender != static_cast<void*>(masterSource_))
            return;
        if (operation == ppopRemove)
            masterSource_ = nullptr;
        if (operation == ppopRemove || operation == ppopDataSourceChange)
            watchMaster();
    };
    connect(&rows_, &Dataset::contentChanged, this, &Dataset::contentChanged);
    connect(&rows_, &Dataset::currentChanged, this, &Dataset::currentChanged);
}

QSqlDatabase SqlDataset::openSqlite(const QString& fileName, const QString& connectionName) {
    QSqlDatabase database = QSqlDatabase::contains(connectionName)
                                ? QSqlDatabase::database(connectionName, false)
                                : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    database.setDatabaseName(fileName);
    if (!database.isOpen() && !database.open())
        throw EDataError(database.lastError().text());
    return database;
}

void SqlDataset::setDatabase(const QSqlDatabase& database) { connectionName_ = database.connectionName(); }

void SqlDataset::setQuery(const QString& sql) {
    if (isActive())
        throw EDataError(QStringLiteral("Cannot change the query of an open dataset"));
    sql_ = sql;
    table_.clear();
}

void SqlDataset::setTable(const QString& table) {
    setQuery(QStringLiteral("SELECT * FROM ") + database().driver()->escapeIdentifier(table, QSqlDriver::TableName));
    table_ = table;
}

QSqlDatabase SqlDataset::database() const { return QSqlDatabase::database(connectionName_, false); }

void SqlDataset::setMasterSource(DataSource* source) {
    if (masterSource_)
        masterLink_.UnlinkFrom(masterSource_);
    masterSource_ = source;
    if (masterSource_)
        masterLink_.LinkTo(masterSource_);
    watchMaster();
}

void SqlDataset::watchMaster() {
    for (const QMetaObject::Connection& connection : std::exchange(masterConnections_, {}))
        disconnect(connection);
    Dataset* master = masterSource_ ? masterSource_->dataset() : nullptr;
    if (!master)
        return;
    const auto follow = [this] {
        if (isActive())
            refresh();
    };
    masterConnections_ << connect(master, &Dataset::currentChanged, this, follow);
    masterConnections_ << connect(master, &Dataset::contentChanged, this, follow);
}

void SqlDataset::open() {
    if (isActive())
        return;
    load();
    emit activeChanged(true);
}

void SqlDataset::close() {
    if (!isActive())
        return;
    rows_.close();
    emit activeChanged(false);
}

void SqlDataset::refresh() {
    if (isActive())
        load();
}

void SqlDataset::load() {
    QSqlDatabase database = QSqlDatabase::database(connectionName_);
    if (!database.isOpen())
        throw EDataError(QStringLiteral("The database is not open: ") + database.lastError().text());
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.prepare(sql_))
        throw EDataError(query.lastError().text());
    const Dataset* master = masterSource_ ? masterSource_->dataset() : nullptr;
    // Named parameters (":CUSTNO") take the master's field of that name;
    // a "::" cast is not a parameter.
    static const QRegularExpression parameterPattern(QStringLiteral("(?<![:\\w]):([A-Za-z_]\\w*)"));
    for (const QRegularExpressionMatch& match : parameterPattern.globalMatch(sql_)) {
        const QString fieldName = match.captured(1);
        query.bindValue(u':' + fieldName, master && master->isActive() ? master->value(fieldName) : QVariant());
    }
    if (!query.exec())
        throw EDataError(query.lastError().text());

    const QSqlRecord record = query.record();
    FieldDefs defs;
    for (int i = 0; i < record.count(); ++i) {
        const QSqlField field = record.field(i);
        defs.append({field.name(), fieldTypeOf(field.metaType()), std::max(int(field.length()), 0), 0});
    }
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < defs.size(); ++i) {
            const QVariant value = query.value(i);
            row << value;
            // Drivers that do not report text lengths: the longest text read.
            if (defs[i].type == FieldType::String && !value.isNull())
                defs[i].size = std::max(defs[i].size, int(value.toString().size()));
        }
        rows << row;
    }

    rows_.disableControls();
    if (rows_.isActive()) {
        rows_.emptyTable();
        rows_.close();
    }
    rows_.setFieldDefs(defs);
    rows_.open();
    for (const QVariantList& row : rows) {
        rows_.append();
        for (int i = 0; i < row.size(); ++i)
            rows_.setValue(i, row[i]);
        rows_.post();
    }
    rows_.first();
    rows_.enableControls();
}

// Writing a table back ----------------------------------------------------------------

void SqlDataset::requireTable() const {
    if (table_.isEmpty())
        throw EDataError(QStringLiteral("Cannot modify the rows of a query"));
}

QString SqlDataset::escapedField(int field) const {
    return database().driver()->escapeIdentifier(fieldDefs().at(field).name, QSqlDriver::FieldName);
}

void SqlDataset::execute(QSqlQuery& query, const QString& sql, const QVariantList& values) const {
    if (!query.prepare(sql))
        throw EDataError(query.lastError().text());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw EDataError(query.lastError().text());
}

QString SqlDataset::whereCurrentKey(const QVariantList& record, QVariantList& values) const {
    const QSqlIndex key = database().primaryIndex(table_);
    if (key.isEmpty())
        throw EDataError(QStringLiteral("The table %1 has no primary key, so its records cannot be told apart")
                             .arg(table_));
    QStringList conditions;
    for (int i = 0; i < key.count(); ++i) {
        const int field = fieldIndex(key.fieldName(i));
        if (field < 0)
            throw EDataError(QStringLiteral("The key field %1 is not among the rows read").arg(key.fieldName(i)));
        conditions << escapedField(field) + QStringLiteral(" = ?");
        values << record.value(field);
    }
    return conditions.join(QStringLiteral(" AND "));
}

void SqlDataset::edit() {
    requireTable();
    if (mode_ != Mode::Browse)
        return;
    rows_.edit();
    QVariantList record;
    for (int field = 0; field < fieldDefs().size(); ++field)
        record << rows_.value(field);
    original_ = pending_ = record;
    mode_ = Mode::Edit;
}

void SqlDataset::insert() {
    requireTable();
    if (mode_ != Mode::Browse)
        post();
    rows_.append();
    pending_ = QVariantList(fieldDefs().size());
    mode_ = Mode::Insert;
}

void SqlDataset::setValue(int field, const QVariant& value) {
    requireTable();
    rows_.setValue(field, value);
    pending_[field] = value;
}

void SqlDataset::post() {
    switch (mode_) {
    case Mode::Browse:
        return;
    case Mode::Insert:
        postInsert();
        break;
    case Mode::Edit:
        postEdit();
        break;
    }
    rows_.post();
    mode_ = Mode::Browse;
}

void SqlDataset::postInsert() {
    QStringList columns;
    QStringList marks;
    QVariantList values;
    for (int field = 0; field < pending_.size(); ++field)
        if (!pending_[field].isNull()) {
            columns << escapedField(field);
            marks << QStringLiteral("?");
            values << pending_[field];
        }
    const QString table = database().driver()->escapeIdentifier(table_, QSqlDriver::TableName);
    QSqlQuery query(database());
    execute(query,
            columns.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                              : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
            values);
    // A key the database chose (an auto-increment column) is read back, so
    // the new record can be edited at once.
    const QSqlIndex key = database().primaryIndex(table_);
    if (key.count() == 1)
        if (const int field = fieldIndex(key.fieldName(0)); field >= 0 && pending_[field].isNull())
            if (const QVariant id = query.lastInsertId(); id.isValid())
                rows_.setValue(field, id);
}

void SqlDataset::postEdit() {
    QStringList assignments;
    QVariantList values;
    for (int field = 0; field < pending_.size(); ++field)
        if (pending_[field] != original_[field] || pending_[field].isNull() != original_[field].isNull()) {
            assignments << escapedField(field) + QStringLiteral(" = ?");
            values << pending_[field];
        }
    if (assignments.isEmpty())
        return;
    const QString where = whereCurrentKey(original_, values);
    QSqlQuery query(database());
    execute(query,
            QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                .arg(database().driver()->escapeIdentifier(table_, QSqlDriver::TableName),
                     assignments.join(QStringLiteral(", ")), where),
            values);
    if (query.numRowsAffected() == 0)
        throw EDataError(QStringLiteral("The record is no longer in the table %1").arg(table_));
}

void SqlDataset::cancel() {
    rows_.cancel();
    mode_ = Mode::Browse;
}

void SqlDataset::deleteRecord() {
    requireTable();
    cancel();
    if (rows_.recNo() < 0)
        return;
    QVariantList record;
    for (int field = 0; field < fieldDefs().size(); ++field)
        record << rows_.value(field);
    QVariantList values;
    const QString where = whereCurrentKey(record, values);
    QSqlQuery query(database());
    execute(query,
            QStringLiteral("DELETE FROM %1 WHERE %2")
                .arg(database().driver()->escapeIdentifier(table_, QSqlDriver::TableName), where),
            values);
    rows_.deleteRecord();
}
