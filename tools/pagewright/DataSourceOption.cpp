#include "DataSourceOption.h"

#include "CsvDataset.h"
#include "MemoryTable.h"
#include "PagewrightErrors.h"
#include "SqlDataset.h"

#include <QFileInfo>
#include <QSqlDriver>

std::optional<DataSourceOption> DataSourceOption::parse(const QString& text) {
    const qsizetype equals = text.indexOf(u'=');
    if (equals <= 0 || equals == text.size() - 1)
        return std::nullopt;
    return DataSourceOption{text.left(equals), text.mid(equals + 1)};
}

namespace {

// The column of each condition, by the dataset's own field names.
std::vector<int> searchedFields(const Dataset& rows, const std::vector<SearchCondition>& conditions,
                                const QString& source) {
    std::vector<int> fields;
    for (const SearchCondition& condition : conditions) {
        const int field = rows.fieldIndex(condition.fieldName);
        if (field < 0)
            throw EDataError(
                QStringLiteral("\"%1\" has no field %2 to search").arg(source, condition.fieldName));
        fields.push_back(field);
    }
    return fields;
}

// The query's rows that pass: its SQL stays as written inside the FROM, the
// values go in as parameters.
void restrictQuery(SqlDataset& dataset, const QSqlDatabase& database,
                   const std::vector<SearchCondition>& conditions, const QString& source) {
    const std::vector<int> fields = searchedFields(dataset, conditions, source);
    QString query = dataset.query().trimmed();
    while (query.endsWith(u';'))
        query = query.chopped(1).trimmed();
    QStringList where;
    QList<std::pair<QString, QVariant>> parameters;
    const auto quote = [&](const QString& name) {
        return database.driver()->escapeIdentifier(name, QSqlDriver::FieldName);
    };
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        SearchCondition condition = conditions[i];
        condition.fieldName = dataset.fieldDefs().at(fields[i]).name;
        where << condition.sql(quote, parameters);
    }
    dataset.close();
    dataset.setQuery(
        QStringLiteral("SELECT * FROM (%1) WHERE %2").arg(query, where.join(QStringLiteral(" AND "))),
        parameters);
    dataset.open();
}

// The rows of `rows` that pass, read through once into memory.
std::unique_ptr<Dataset> keepMatching(Dataset& rows, const std::vector<SearchCondition>& conditions,
                                      const QString& source) {
    const std::vector<int> fields = searchedFields(rows, conditions, source);
    auto kept = std::make_unique<MemoryTable>();
    kept->setFieldDefs(rows.fieldDefs());
    kept->open();
    kept->disableControls();
    for (rows.first(); !rows.eof(); rows.next()) {
        if (!matchesAll(conditions, rows, fields))
            continue;
        kept->append();
        for (int field = 0; field < rows.fieldDefs().size(); ++field)
            kept->setValue(field, rows.value(field));
        kept->post();
    }
    kept->enableControls();
    kept->first();
    return kept;
}

std::unique_ptr<Dataset> openSqlite(const QString& source, const std::vector<SearchCondition>& conditions) {
    static int connections = 0;
    const QString spec = source.mid(int(std::char_traits<char>::length("sqlite:")));
    const qsizetype question = spec.indexOf(u'?');
    const QString path = spec.left(question);
    const QString selection = question < 0 ? QString() : spec.mid(question + 1);
    auto dataset = std::make_unique<SqlDataset>();
    if (selection.startsWith(u"table="))
        dataset->setTable(selection.mid(6));
    else if (selection.startsWith(u"query="))
        dataset->setQuery(selection.mid(6));
    else
        throw EDataError(
            QStringLiteral("\"%1\": say which rows, with ?table=NAME or ?query=SELECT ...").arg(source));
    if (path.isEmpty())
        throw EDataError(QStringLiteral("\"%1\" names no database file").arg(source));
    // Opening a file that is not there would create an empty database.
    if (path != u":memory:" && !QFileInfo::exists(path))
        throw EDataError(QStringLiteral("The database \"%1\" does not exist.").arg(path));
    const QSqlDatabase database =
        SqlDataset::openSqlite(path, QStringLiteral("pagewright-data-%1").arg(++connections));
    dataset->setDatabase(database);
    dataset->open();
    if (!conditions.empty())
        restrictQuery(*dataset, database, conditions, source);
    return dataset;
}

} // namespace

std::unique_ptr<Dataset> DataSourceOption::open(const std::vector<SearchCondition>& conditions) const {
    if (source.startsWith(u"sqlite:"))
        return openSqlite(source, conditions);
    auto csv = std::make_unique<CsvDataset>();
    csv->setFileName(source);
    csv->open();
    if (conditions.empty())
        return csv;
    return keepMatching(*csv, conditions, source);
}
