// Large tables read as the engine walks them: the detail listing of
// engine_benchmark (a header, a footer, a detail band of six data-bound
// texts) over a SQLite table and over CSV files of 3,600, 36,000 and
// 360,000 rows, to a device that counts pages and keeps none.
//
//   FirstPage       opening the dataset and a fresh one-pass run's first page,
//                   what a preview or `--pages 1` waits for (must not grow
//                   with the rows)
//   TwoPassRun      every page of a two-pass run; "peak MiB" is the process's
//                   peak resident memory (run one size per process for a
//                   figure of its own)
//   RegeneratePage  once the run is done, page 2 and the page before the last
//                   made again in turn from the states saved for the pages
//                   before them (must not grow with the page number)
//
// The second argument is the source: 0 SQLite, 1 CSV with its types
// declared in the header, 2 CSV whose types are guessed from its values.
#include "CsvDataset.h"
#include "GuiBenchmark.h"
#include "ListingReport.h"
#include "SqlDataset.h"

#include <QDate>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <map>
#include <memory>

namespace {

enum Source { Sqlite, CsvDeclared, CsvGuessed };

// The data files, written once per row count.
struct Files {
    QTemporaryDir folder;
    std::map<int, QString> written;

    QString path(int rows, Source source) {
        const QString base = folder.filePath(QStringLiteral("rows%1").arg(rows));
        if (!written.count(rows)) {
            writeSqlite(base + ".db", rows);
            writeCsv(base + "-declared.csv", rows, true);
            writeCsv(base + "-guessed.csv", rows, false);
            written[rows] = base;
        }
        return source == Sqlite        ? base + ".db"
               : source == CsvDeclared ? base + "-declared.csv"
                                       : base + "-guessed.csv";
    }

    template <class Row> static void eachRow(int rows, Row row) {
        double balance = 1e7;
        for (int month = 1; month <= rows; ++month) {
            const double interest = balance * 0.005;
            const double principal = 600.0 - interest > 0 ? 600.0 - interest : 1.0;
            balance -= principal;
            row(month, QDate(2024, 1, 15).addMonths(month - 1), principal, interest, balance);
        }
    }

    static void writeSqlite(const QString& path, int rows) {
        QSqlDatabase db = SqlDataset::openSqlite(path, QStringLiteral("write-%1").arg(rows));
        QSqlQuery query(db);
        query.exec(
            "CREATE TABLE schedule (Month INTEGER, Due TEXT, Payment REAL, Principal REAL, Interest REAL, "
            "Balance REAL)");
        db.transaction();
        query.prepare("INSERT INTO schedule VALUES (?, ?, ?, ?, ?, ?)");
        eachRow(rows, [&](int month, QDate due, double principal, double interest, double balance) {
            query.addBindValue(month);
            query.addBindValue(due.toString(Qt::ISODate));
            query.addBindValue(600.0);
            query.addBindValue(principal);
            query.addBindValue(interest);
            query.addBindValue(balance);
            query.exec();
        });
        db.commit();
    }

    static void writeCsv(const QString& path, int rows, bool declared) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(declared
                       ? "Month:dtInteger,Due:dtDate,Payment:dtDouble,Principal:dtDouble,Interest:dtDouble,"
                         "Balance:dtDouble\n"
                       : "Month,Due,Payment,Principal,Interest,Balance\n");
        eachRow(rows, [&](int month, QDate due, double principal, double interest, double balance) {
            file.write(QStringLiteral("%1,%2,600,%3,%4,%5\n")
                           .arg(month)
                           .arg(due.toString(Qt::ISODate))
                           .arg(principal, 0, 'f', 3)
                           .arg(interest, 0, 'f', 3)
                           .arg(balance, 0, 'f', 3)
                           .toUtf8());
        });
    }
};

Files& files() {
    static Files shared;
    return shared;
}

std::unique_ptr<Dataset> openData(int rows, Source source) {
    const QString path = files().path(rows, source);
    if (source == Sqlite) {
        auto dataset = std::make_unique<SqlDataset>();
        // One connection per file, opened on the first run, as an application keeps it.
        dataset->setDatabase(SqlDataset::openSqlite(path, QStringLiteral("read-%1").arg(rows)));
        dataset->setTable("schedule");
        dataset->open();
        return dataset;
    }
    auto csv = std::make_unique<CsvDataset>();
    csv->setFileName(path);
    csv->open();
    return csv;
}

// The listing over data opened afresh for each run.
class Listing : public ListingReport {
public:
    void reopen(int rows, Source kind) {
        restart();
        source->setDataset(nullptr);
        data = openData(rows, kind);
        source->setDataset(data.get());
    }
    std::unique_ptr<Dataset> data;
};

int rowsOf(const benchmark::State& state) {
    return int(state.range(0));
}
Source sourceOf(const benchmark::State& state) {
    return Source(state.range(1));
}

void FirstPage(benchmark::State& state) {
    Listing listing;
    files().path(rowsOf(state), sourceOf(state));
    for (auto _ : state) {
        listing.reopen(rowsOf(state), sourceOf(state));
        benchmark::DoNotOptimize(listing.print(psFirstPage));
    }
    reportPeakMemory(state);
}

void TwoPassRun(benchmark::State& state) {
    Listing listing;
    files().path(rowsOf(state), sourceOf(state));
    int pages = 0;
    for (auto _ : state) {
        listing.reopen(rowsOf(state), sourceOf(state));
        listing.report->SetPassSetting(psTwoPass);
        pages = listing.print(psAll);
    }
    state.counters["pages"] = pages;
    reportPeakMemory(state);
}

void RegeneratePage(benchmark::State& state) {
    Listing listing;
    listing.reopen(rowsOf(state), sourceOf(state));
    const int pages = listing.print(psAll);
    const int nearEnd = std::max(1, pages - 1);
    bool early = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(listing.print(psSinglePage, early ? 2 : nearEnd));
        early = !early;
    }
    state.counters["page"] = nearEnd;
    reportPeakMemory(state);
}

void sizes(benchmark::internal::Benchmark* benchmark) {
    for (const int source : {Sqlite, CsvDeclared, CsvGuessed})
        for (const int rows : {3600, 36000, 360000})
            benchmark->Args({rows, source});
}

} // namespace

BENCHMARK(FirstPage)->Apply(sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(TwoPassRun)->Apply(sizes)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(RegeneratePage)->Apply(sizes)->Unit(benchmark::kMillisecond);
