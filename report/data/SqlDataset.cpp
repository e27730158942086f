#include "SqlDataset.h"

#include "DataSource.h"
#include "PagewrightErrors.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
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
}

void SqlDataset::setTable(const QString& table) {
    const QSqlDatabase database = QSqlDatabase::database(connectionName_, false);
    setQuery(QStringLiteral("SELECT * FROM ") + database.driver()->escapeIdentifier(table, QSqlDriver::TableName));
}

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
