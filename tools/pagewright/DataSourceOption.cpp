#include "DataSourceOption.h"

#include "CsvDataset.h"
#include "PagewrightErrors.h"
#include "SqlDataset.h"

#include <QFileInfo>

std::optional<DataSourceOption> DataSourceOption::parse(const QString& text) {
    const qsizetype equals = text.indexOf(u'=');
    if (equals <= 0 || equals == text.size() - 1)
        return std::nullopt;
    return DataSourceOption{text.left(equals), text.mid(equals + 1)};
}

namespace {

std::unique_ptr<Dataset> openSqlite(const QString& source) {
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
    dataset->setDatabase(
        SqlDataset::openSqlite(path, QStringLiteral("pagewright-data-%1").arg(++connections)));
    dataset->open();
    return dataset;
}

} // namespace

std::unique_ptr<Dataset> DataSourceOption::open() const {
    if (source.startsWith(u"sqlite:"))
        return openSqlite(source);
    auto csv = std::make_unique<CsvDataset>();
    csv->setFileName(source);
    csv->open();
    return csv;
}
