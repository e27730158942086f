#include "SqlDataset.h"

#include "DataSource.h"
#include "PagewrightErrors.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

// A SQLite table read in the order of its row ids, with the id of every
// kStep-th row noted as the rows go by: going back to a bookmark then runs
// the query from the nearest noted id, so a page far down is made again as
// fast as one at the top.
struct SqlKeys {
    static constexpr qint64 kStep = 64;
    QString fromStart;
    QString fromKey; // the rows from the id ":pagewright_key" on
    std::vector<qint64> marks;
};

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

// "SELECT ... ;" as a query another can select from.
QString selectable(const QString& sql) {
    QString text = sql.trimmed();
    while (text.endsWith(u';'))
        text = text.chopped(1).trimmed();
    return text;
}

QString sourceName(const QSqlDatabase& database) {
    return database.databaseName().isEmpty() ? database.connectionName() : database.databaseName();
}

[[noreturn]] void readFailed(const QSqlDatabase& database, const QString& why) {
    throw EDataError(
        QStringLiteral("The rows of the database \"%1\" cannot be read: %2").arg(sourceName(database), why));
}

// The query run forward only. Its rows are numbered from base_ (the
// ordinal of its first row); the row read() gives next is at_, or the one
// after it once that has been handed out.
class SqlRowReader final : public RowReader {
public:
    SqlRowReader(const QSqlDatabase& database, const QString& sql,
                 const QList<std::pair<QString, QVariant>>& parameters, std::shared_ptr<SqlKeys> keys)
        : database_(database), sql_(sql), parameters_(parameters), keys_(std::move(keys)) {
        run(0, std::nullopt);
    }

    // The columns, without the hidden key.
    QSqlRecord record() const {
        QSqlRecord columns = query_->record();
        if (keys_)
            columns.remove(0);
        return columns;
    }

    qint64 seek(qint64 ordinal) override {
        if (keys_ && !keys_->marks.empty()) {
            // Any row near a noted key is a query away, however far down.
            const qint64 mark = std::min<qint64>(ordinal / SqlKeys::kStep, qint64(keys_->marks.size()) - 1);
            if (ordinal < next() || mark * SqlKeys::kStep > next())
                run(mark * SqlKeys::kStep, keys_->marks[std::size_t(mark)]);
        }
        if (ordinal < next())
            run(0, std::nullopt);
        if (ordinal == next())
            return ordinal;
        // A forward-only seek steps over the rows between without reading
        // their values.
        if (ordinal - base_ <= std::numeric_limits<int>::max() && query_->seek(int(ordinal - base_))) {
            at_ = ordinal - base_;
            pending_ = true;
            noteKey();
            return ordinal;
        }
        checkFailure();
        // Fewer rows than that: count them from the start.
        run(0, std::nullopt);
        qint64 rows = 0;
        while (rows < ordinal && query_->next())
            ++rows;
        checkFailure();
        at_ = rows - 1;
        return rows;
    }

    bool read(QVariantList& row) override {
        if (!std::exchange(pending_, false)) {
            if (!query_->next()) {
                checkFailure();
                return false;
            }
            ++at_;
            noteKey();
        }
        const int hidden = keys_ ? 1 : 0;
        row.resize(query_->record().count() - hidden);
        for (qsizetype i = 0; i < row.size(); ++i)
            row[i] = query_->value(int(i) + hidden);
        return true;
    }

private:
    qint64 next() const { return base_ + (pending_ ? at_ : at_ + 1); }

    void noteKey() {
        const qint64 ordinal = base_ + at_;
        if (keys_ && ordinal % SqlKeys::kStep == 0 && ordinal / SqlKeys::kStep == qint64(keys_->marks.size()))
            keys_->marks.push_back(query_->value(0).toLongLong());
    }

    // From the first row, or from the row `base` whose key is `key`.
    void run(qint64 base, std::optional<qint64> key) {
        // A file removed under an open connection still reads from what the
        // connection holds; a report made of a database that is no longer
        // there is refused rather than finished from a ghost.
        const QString file = database_.databaseName();
        if (database_.driverName() == u"QSQLITE" && !file.isEmpty() && file != u":memory:" &&
            !file.startsWith(u"file:") && !QFileInfo::exists(file))
            readFailed(database_, QStringLiteral("the file is gone"));
        if (!database_.isOpen())
            readFailed(database_, QStringLiteral("the connection is closed"));
        query_.emplace(database_);
        query_->setForwardOnly(true);
        if (!query_->prepare(key ? keys_->fromKey : sql_))
            readFailed(database_, query_->lastError().text());
        for (const auto& [name, value] : parameters_)
            query_->bindValue(u':' + name, value);
        if (key)
            query_->bindValue(QStringLiteral(":pagewright_key"), *key);
        if (!query_->exec())
            readFailed(database_, query_->lastError().text());
        base_ = base;
        at_ = -1;
        pending_ = false;
    }

    // The end of the rows, or a failure that looks like it.
    void checkFailure() const {
        if (!database_.isOpen())
            readFailed(database_, QStringLiteral("the connection is closed"));
        if (query_->lastError().isValid())
            readFailed(database_, query_->lastError().text());
    }

    QSqlDatabase database_;
    QString sql_;
    QList<std::pair<QString, QVariant>> parameters_;
    std::shared_ptr<SqlKeys> keys_;
    std::optional<QSqlQuery> query_;
    qint64 base_ = 0;
    qint64 at_ = -1;
    bool pending_ = false;
};

} // namespace

SqlDataset::SqlDataset(QObject* parent) : StreamedDataset(parent) {
    masterLink_.OnNotify = [this](TppCommunicator* sender, int operation) {
        if (sender != static_cast<void*>(masterSource_))
            return;
        if (operation == ppopRemove)
            masterSource_ = nullptr;
        if (operation == ppopRemove || operation == ppopDataSourceChange)
            watchMaster();
    };
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

void SqlDataset::setDatabase(const QSqlDatabase& database) {
    connectionName_ = database.connectionName();
}

void SqlDataset::setQuery(const QString& sql, const QList<std::pair<QString, QVariant>>& bound) {
    if (isActive())
        throw EDataError(QStringLiteral("Cannot change the query of an open dataset"));
    sql_ = sql;
    bound_ = bound;
    table_.clear();
}

void SqlDataset::setTable(const QString& table) {
    setQuery(QStringLiteral("SELECT * FROM ") +
             database().driver()->escapeIdentifier(table, QSqlDriver::TableName));
    table_ = table;
}

QSqlDatabase SqlDataset::database() const {
    return QSqlDatabase::database(connectionName_, false);
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
    edited_.reset();
    mode_ = Mode::Browse;
    stopReading();
    emit activeChanged(false);
    emit contentChanged();
}

void SqlDataset::refresh() {
    if (isActive())
        load();
}

void SqlDataset::load() {
    QSqlDatabase database = QSqlDatabase::database(connectionName_);
    if (!database.isOpen())
        throw EDataError(QStringLiteral("The database is not open: ") + database.lastError().text());
    const Dataset* master = masterSource_ ? masterSource_->dataset() : nullptr;
    // Named parameters (":CUSTNO") take the value bound with the query, else
    // the master's field of that name; a "::" cast is not a parameter.
    static const QRegularExpression parameterPattern(QStringLiteral("(?<![:\\w]):([A-Za-z_]\\w*)"));
    parameters_.clear();
    for (const QRegularExpressionMatch& match : parameterPattern.globalMatch(sql_)) {
        const QString fieldName = match.captured(1);
        const auto bound = std::find_if(bound_.begin(), bound_.end(),
                                        [&](const auto& entry) { return entry.first == fieldName; });
        if (bound != bound_.end())
            parameters_.append(*bound);
        else
            parameters_.append(
                {fieldName, master && master->isActive() ? master->value(fieldName) : QVariant()});
    }
    keys_.reset();
    std::unique_ptr<SqlRowReader> reader;
    if (!table_.isEmpty() && database.driverName() == u"QSQLITE") {
        // Tables without row ids (and views) refuse the keyed query and are
        // read as they come.
        const QString table = database.driver()->escapeIdentifier(table_, QSqlDriver::TableName);
        auto keys = std::make_shared<SqlKeys>();
        keys->fromStart = QStringLiteral("SELECT _rowid_, * FROM %1 ORDER BY _rowid_").arg(table);
        keys->fromKey =
            QStringLiteral("SELECT _rowid_, * FROM %1 WHERE _rowid_ >= :pagewright_key ORDER BY _rowid_")
                .arg(table);
        try {
            reader = std::make_unique<SqlRowReader>(database, keys->fromStart, parameters_, keys);
            if (reader->record().contains(QStringLiteral("_rowid_")))
                reader.reset(); // a column of that name hides the id
            else
                keys_ = keys;
        } catch (const EDataError&) {
        }
    }
    if (!reader)
        reader = std::make_unique<SqlRowReader>(database, sql_, parameters_, nullptr);

    const QSqlRecord record = reader->record();
    FieldDefs defs;
    for (int i = 0; i < record.count(); ++i) {
        const QSqlField field = record.field(i);
        defs.append({field.name(), fieldTypeOf(field.metaType()), std::max(int(field.length()), 0), 0});
    }
    defs_ = defs;
    edited_.reset();
    mode_ = Mode::Browse;
    startReading(std::move(reader));
}

std::unique_ptr<RowReader> SqlDataset::newReader() const {
    return std::make_unique<SqlRowReader>(database(), keys_ ? keys_->fromStart : sql_, parameters_, keys_);
}

qint64 SqlDataset::countRows() const {
    QSqlQuery count(database());
    if (count.prepare(QStringLiteral("SELECT COUNT(*) FROM (%1)").arg(selectable(sql_)))) {
        for (const auto& [name, value] : parameters_)
            count.bindValue(u':' + name, value);
        if (count.exec() && count.next())
            return count.value(0).toLongLong();
    }
    // A database that cannot count a query it can run: step over its rows.
    return newReader()->seek(std::numeric_limits<int>::max());
}

MemoryTable& SqlDataset::editable() {
    if (edited_)
        return *edited_;
    auto table = std::make_unique<MemoryTable>();
    table->setFieldDefs(defs_);
    table->open();
    // A fresh table numbers its records from 0, so the bookmarks handed out
    // so far (ordinals) still find their rows.
    const auto reader = newReader();
    QVariantList row;
    while (reader->read(row)) {
        table->append();
        for (int i = 0; i < row.size(); ++i)
            table->setValue(i, row[i]);
        table->post();
    }
    table->first();
    if (const int current = recNo(); current > 0)
        table->moveBy(current);
    connect(table.get(), &Dataset::contentChanged, this, &Dataset::contentChanged);
    connect(table.get(), &Dataset::currentChanged, this, &Dataset::currentChanged);
    stopReading();
    edited_ = std::move(table);
    return *edited_;
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
        throw EDataError(
            QStringLiteral("The table %1 has no primary key, so its records cannot be told apart")
                .arg(table_));
    QStringList conditions;
    for (int i = 0; i < key.count(); ++i) {
        const int field = fieldIndex(key.fieldName(i));
        if (field < 0)
            throw EDataError(
                QStringLiteral("The key field %1 is not among the rows read").arg(key.fieldName(i)));
        conditions << escapedField(field) + QStringLiteral(" = ?");
        values << record.value(field);
    }
    return conditions.join(QStringLiteral(" AND "));
}

void SqlDataset::edit() {
    requireTable();
    if (mode_ != Mode::Browse)
        return;
    MemoryTable& rows = editable();
    rows.edit();
    QVariantList record;
    for (int field = 0; field < fieldDefs().size(); ++field)
        record << rows.value(field);
    original_ = pending_ = record;
    mode_ = Mode::Edit;
}

void SqlDataset::insert() {
    requireTable();
    if (mode_ != Mode::Browse)
        post();
    editable().append();
    pending_ = QVariantList(fieldDefs().size());
    mode_ = Mode::Insert;
}

void SqlDataset::setValue(int field, const QVariant& value) {
    requireTable();
    editable().setValue(field, value);
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
    editable().post();
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
            columns.isEmpty()
                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
            values);
    // A key the database chose (an auto-increment column) is read back, so
    // the new record can be edited at once.
    const QSqlIndex key = database().primaryIndex(table_);
    if (key.count() == 1)
        if (const int field = fieldIndex(key.fieldName(0)); field >= 0 && pending_[field].isNull())
            if (const QVariant id = query.lastInsertId(); id.isValid())
                editable().setValue(field, id);
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
    if (edited_)
        edited_->cancel();
    mode_ = Mode::Browse;
}

void SqlDataset::deleteRecord() {
    requireTable();
    cancel();
    MemoryTable& rows = editable();
    if (rows.recNo() < 0)
        return;
    QVariantList record;
    for (int field = 0; field < fieldDefs().size(); ++field)
        record << rows.value(field);
    QVariantList values;
    const QString where = whereCurrentKey(record, values);
    QSqlQuery query(database());
    execute(query,
            QStringLiteral("DELETE FROM %1 WHERE %2")
                .arg(database().driver()->escapeIdentifier(table_, QSqlDriver::TableName), where),
            values);
    rows.deleteRecord();
}
