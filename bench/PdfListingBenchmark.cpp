// A listing printed to PDF, against the floor: the same texts drawn straight
// onto a QPdfWriter with no engine. Four data-bound texts a row over a
// SQLite table, 44 rows a page under a title, "Page n of m" at the foot of
// every page in two passes; 36,000 rows make 819 pages.
//
//   pdf_benchmark                 runs every case in a process of its own
//                                 (peak memory is a process's) and prints
//                                 them side by side with the ratios
//   pdf_benchmark CASE ROWS DIR   one case: "engine" or "floor"; prints
//                                 "seconds cpu-seconds bytes peak-KiB"
#include "DataSource.h"
#include "EngineClasses.h"
#include "OutputClasses.h"
#include "SqlDataset.h"
#include "TppDBPipeline.h"
#include "TppDBText.h"
#include "TppDetailBand.h"
#include "TppFooterBand.h"
#include "TppHeaderBand.h"
#include "TppLabel.h"
#include "TppPdfFileDevice.h"
#include "TppPublisher.h"
#include "TppReport.h"
#include "TppSystemVariable.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

constexpr int kRowsPerPage = 44;
// Letter with quarter-inch margins: 266.7 mm of body; a 12 mm header, an
// 8 mm footer and detail rows of 5.5 mm leave room for 44 rows exactly.
constexpr int kHeader = 12000;
constexpr int kFooter = 8000;
constexpr int kRow = 5500;
constexpr int kMargin = 6350;
const char* const kTitle = "Payments received";

void writeTable(const QString& path, int rows) {
    QSqlDatabase db = SqlDataset::openSqlite(path, QStringLiteral("write-%1").arg(rows));
    QSqlQuery query(db);
    query.exec("CREATE TABLE payments (Number INTEGER, Name TEXT, Due TEXT, Amount REAL)");
    db.transaction();
    query.prepare("INSERT INTO payments VALUES (?, ?, ?, ?)");
    for (int row = 1; row <= rows; ++row) {
        query.addBindValue(row);
        query.addBindValue(QStringLiteral("Customer %1").arg(row % 977));
        query.addBindValue(QDate(2024, 1, 1).addDays(row % 3650).toString(Qt::ISODate));
        query.addBindValue(100.0 + (row * 37 % 100000) / 100.0);
        query.exec();
    }
    db.commit();
}

double cpuSeconds() {
    return double(std::clock()) / CLOCKS_PER_SEC;
}

long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

template <class Band> Band* band(OwnedComponent& form, TppReport* report, int height) {
    auto* made = new Band(&form);
    made->SetReport(report);
    made->SetmmHeight(height);
    return made;
}

void runEngine(const QString& database, const QString& pdf) {
    registerOutputClasses();
    registerEngineClasses();
    // The rows outlive the pipeline that reads them.
    SqlDataset dataset;
    OwnedComponent form;
    dataset.setDatabase(SqlDataset::openSqlite(database, QStringLiteral("read")));
    dataset.setTable(QStringLiteral("payments"));
    dataset.open();
    auto* source = new DataSource(&form, &dataset);
    auto* pipeline = new TppDBPipeline(&form);
    pipeline->SetDataSource(source);
    auto* report = new TppReport(&form);
    report->SetDataPipeline(pipeline);
    report->SetPassSetting(psTwoPass);
    report->MessagePump = [] {};
    auto* header = band<TppHeaderBand>(form, report, kHeader);
    auto* title = new TppLabel(&form);
    title->SetBand(header);
    title->SetCaption(QString::fromLatin1(kTitle));
    title->SetBounds(0, 2000, 100000, 6000);
    title->SetTransparent(true);
    auto* detail = band<TppDetailBand>(form, report, kRow);
    const QStringList fields = {"Number", "Name", "Due", "Amount"};
    for (int index = 0; index < fields.size(); ++index) {
        auto* text = new TppDBText(&form);
        text->SetBand(detail);
        text->SetDataPipeline(pipeline);
        text->SetDataField(fields[index]);
        text->SetDisplayFormat(index == 3 ? QStringLiteral("#,0.00") : QString());
        text->SetBounds(index * 50000, 500, 45000, 4000);
        // The floor paints no boxes behind its texts either.
        text->SetTransparent(true);
    }
    auto* footer = band<TppFooterBand>(form, report, kFooter);
    auto* pageNo = new TppSystemVariable(&form);
    pageNo->SetBand(footer);
    pageNo->SetVarType(vtPageSetDesc);
    pageNo->SetBounds(0, 1000, 60000, 5000);
    pageNo->SetTransparent(true);

    TppPdfFileDevice device;
    device.SetFileName(pdf);
    device.SetPublisher(&report->Publisher());
    report->RunPrintJob();
    device.SetPublisher(nullptr);
}

// What a program without the engine would do: count the rows for "of m",
// then draw every text where the report puts it.
void runFloor(const QString& database, const QString& pdf) {
    QSqlDatabase db = SqlDataset::openSqlite(database, QStringLiteral("read"));
    QSqlQuery count(db);
    count.exec("SELECT COUNT(*) FROM payments");
    count.next();
    const int rows = count.value(0).toInt();
    const int pages = (rows + kRowsPerPage - 1) / kRowsPerPage;
    QPdfWriter writer(pdf);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF());
    writer.setResolution(600);
    QPainter painter(&writer);
    const auto px = [](int mm) { return int(mm * 600.0 / 25400); };
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(px(3528)); // 10 points
    painter.setFont(font);
    const QLocale locale(QLocale::English);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.exec("SELECT Number, Name, Due, Amount FROM payments");
    int row = 0;
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            writer.newPage();
        painter.drawText(px(kMargin), px(kMargin + 2000) + px(4000), QString::fromLatin1(kTitle));
        for (int line = 0; line < kRowsPerPage && query.next(); ++line, ++row) {
            const int y = px(kMargin + kHeader + line * kRow + 500) + px(3500);
            painter.drawText(px(kMargin), y, query.value(0).toString());
            painter.drawText(px(kMargin + 50000), y, query.value(1).toString());
            painter.drawText(px(kMargin + 100000), y, query.value(2).toString());
            painter.drawText(px(kMargin + 150000), y, locale.toString(query.value(3).toDouble(), 'f', 2));
        }
        painter.drawText(px(kMargin), px(279401 - kMargin - kFooter + 1000) + px(4000),
                         QStringLiteral("Page %1 of %2").arg(page).arg(pages));
    }
}

struct Figures {
    double seconds = 0;
    double cpu = 0;
    qint64 bytes = 0;
    long peak = 0;
};

Figures runCase(const QString& program, const QString& kind, int rows, const QString& folder) {
    QProcess child;
    child.start(program, {kind, QString::number(rows), folder});
    child.waitForFinished(-1);
    const QStringList parts = QString::fromLatin1(child.readAllStandardOutput()).split(u' ');
    if (child.exitCode() != 0 || parts.size() != 4) {
        std::fprintf(stderr, "%s %d failed: %s\n", qPrintable(kind), rows,
                     child.readAllStandardError().constData());
        return {};
    }
    return {parts[0].toDouble(), parts[1].toDouble(), parts[2].toLongLong(), parts[3].toLong()};
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4) {
        const QString kind = arguments[1];
        const int rows = arguments[2].toInt();
        const QString folder = arguments[3];
        const QString database = QStringLiteral("%1/rows%2.db").arg(folder).arg(rows);
        const QString pdf = QStringLiteral("%1/%2-%3.pdf").arg(folder, kind).arg(rows);
        QElapsedTimer timer;
        timer.start();
        const double cpu = cpuSeconds();
        if (kind == u"engine")
            runEngine(database, pdf);
        else
            runFloor(database, pdf);
        std::printf("%.3f %.3f %lld %ld", timer.elapsed() / 1000.0, cpuSeconds() - cpu, QFileInfo(pdf).size(),
                    peakKiB());
        return 0;
    }
    QTemporaryDir folder;
    const int sizes[] = {3600, 36000};
    for (int rows : sizes)
        writeTable(QStringLiteral("%1/rows%2.db").arg(folder.path()).arg(rows), rows);
    std::printf("| rows | pages | floor time (cpu) | engine time (cpu) | time ratio | floor size | engine "
                "size | size ratio | floor peak | engine peak |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|\n");
    for (int rows : sizes) {
        const Figures floor = runCase(arguments[0], QStringLiteral("floor"), rows, folder.path());
        const Figures engine = runCase(arguments[0], QStringLiteral("engine"), rows, folder.path());
        std::printf("| %d | %d | %.2f s (%.2f) | %.2f s (%.2f) | %.2f | %.2f MB | %.2f MB | %.2f | %.1f MiB "
                    "| %.1f MiB |\n",
                    rows, (rows + kRowsPerPage - 1) / kRowsPerPage, floor.seconds, floor.cpu, engine.seconds,
                    engine.cpu, engine.cpu / std::max(floor.cpu, 0.001), floor.bytes / 1e6,
                    engine.bytes / 1e6, double(engine.bytes) / std::max<qint64>(floor.bytes, 1),
                    floor.peak / 1024.0, engine.peak / 1024.0);
    }
    return 0;
}
