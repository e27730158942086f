#include "CommandRun.h"
#include "CupsPrinterCatalog.h"
#include "RenderCommand.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QUuid>
#include <gtest/gtest.h>

namespace {

// Where cups-pdf puts what a queue prints: its configuration's "Out", with
// the user's home and name filled in.
QString cupsPdfFolder() {
    if (qEnvironmentVariableIsSet("PW_PRINT_OUT"))
        return qEnvironmentVariable("PW_PRINT_OUT");
    QString out = QStringLiteral("${HOME}/PDF");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly))
        for (const QByteArray& line : conf.readAll().split('\n'))
            if (line.startsWith("Out ") || line.startsWith("Out\t"))
                out = QString::fromUtf8(line.mid(4).trimmed());
    return out.replace(QStringLiteral("${HOME}"), QDir::homePath())
        .replace(QStringLiteral("${USER}"), qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME")));
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A real print job: the page_n_of_m report (three pages) in two collated
// copies to the cups-pdf queue that ./test.sh sets up, read back from the
// PDF file the queue writes.
TEST(PrintCommand, CollatedCopiesReachACupsQueue) {
    if (qEnvironmentVariableIsSet("PW_PRINT_QUEUE_ERROR"))
        FAIL() << "No print queue: " << qEnvironmentVariable("PW_PRINT_QUEUE_ERROR").toStdString();
    const QString queue = qEnvironmentVariable("PW_PRINT_QUEUE", QStringLiteral("PagewrightPDF"));
    bool installed = false;
    for (const InstalledPrinter& printer : CupsPrinterCatalog().printers())
        installed = installed || printer.name == queue;
    if (!installed) {
        const std::string why =
            "the CUPS queue " + queue.toStdString() + " is not there (./test.sh starts CUPS and adds it)";
        if (qEnvironmentVariableIsSet("PW_PRINT_QUEUE") || qEnvironmentVariableIsSet("CI"))
            FAIL() << why;
        GTEST_SKIP() << why;
    }

    QTemporaryDir dir;
    const QString golden = QStringLiteral(PW_GOLDEN_DIR "/page_n_of_m/");
    const QString title =
        QStringLiteral("pw-print-%1").arg(QUuid::createUuid().toString(QUuid::Id128).left(12));
    QFile source(golden + "report.rtm");
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QFile copy(dir.filePath("report.rtm"));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(source.readAll().replace("'Ledger'", "'" + title.toUtf8() + "'"));
    copy.close();

    const QStringList arguments = {dir.filePath("report.rtm"),
                                   "--data",
                                   "Rows=" + golden + "Rows.csv",
                                   "--print",
                                   queue,
                                   "--copies",
                                   "2",
                                   "--collate"};
    const CommandRun printed = runCommand([&](QTextStream& out, QTextStream& err, const Clock& clock) {
        return runRenderCommand(arguments, out, err, clock);
    });
    ASSERT_EQ(printed.status, 0) << printed.err.toStdString();

    // cups-pdf names the file after the job's title.
    const QDir out(cupsPdfFolder());
    QString landed;
    const QDeadlineTimer deadline(30000);
    while (landed.isEmpty() && !deadline.hasExpired()) {
        const QStringList found = out.entryList({title + "*.pdf"}, QDir::Files);
        if (!found.isEmpty() && QFileInfo(out.filePath(found.first())).size() > 0)
            landed = out.filePath(found.first());
        else
            QThread::msleep(100);
    }
    ASSERT_FALSE(landed.isEmpty()) << "nothing landed in " << out.path().toStdString() << " within 30 s";
    // The file is complete once ghostscript has closed it; pdfinfo says so.
    QString info;
    while (!deadline.hasExpired() && !(info = run("pdfinfo", {landed})).contains("Pages:"))
        QThread::msleep(100);
    const QString pages = info.section("Pages:", 1).section('\n', 0, 0).trimmed();
    QFile::remove(landed);
    EXPECT_EQ(pages, "6") << "three pages, twice";
    // The queue turns the job into PostScript and back, which loses the
    // PDF's text encoding, so the file is known by its title and pages.
    EXPECT_TRUE(info.contains(title)) << info.toStdString();
}

} // namespace
