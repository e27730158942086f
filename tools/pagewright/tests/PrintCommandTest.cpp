#include "CommandRun.h"
#include "CupsPdfQueue.h"
#include "CupsPrinterCatalog.h"
#include "RenderCommand.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A real print job: the page_n_of_m report (three pages) in two collated
// copies to the cups-pdf queue that ./test.sh sets up, read back from the
// PDF file the queue writes.
TEST(PrintCommand, CollatedCopiesReachACupsQueue) {
    QStringList installed;
    for (const InstalledPrinter& printer : CupsPrinterCatalog().printers())
        installed << printer.name;
    const CupsPdfQueue queue = CupsPdfQueue::find(installed);
    if (!queue.missing.isEmpty()) {
        if (queue.required)
            FAIL() << queue.missing.toStdString();
        GTEST_SKIP() << queue.missing.toStdString();
    }

    QTemporaryDir dir;
    const QString golden = QStringLiteral(PW_GOLDEN_DIR "/page_n_of_m/");
    const QString title = CupsPdfQueue::uniqueTitle();
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
                                   queue.name,
                                   "--copies",
                                   "2",
                                   "--collate"};
    const CommandRun printed = runCommand([&](QTextStream& out, QTextStream& err, const Clock& clock) {
        return runRenderCommand(arguments, out, err, clock);
    });
    ASSERT_EQ(printed.status, 0) << printed.err.toStdString();

    const QString info = CupsPdfQueue::landedPdfInfo(title);
    ASSERT_FALSE(info.isEmpty()) << "nothing landed in " << CupsPdfQueue::outFolder().toStdString()
                                 << " within 30 s";
    EXPECT_EQ(CupsPdfQueue::pagesOf(info), "6") << "three pages, twice";
    // The queue turns the job into PostScript and back, which loses the
    // PDF's text encoding, so the file is known by its title and pages.
    EXPECT_TRUE(info.contains(title)) << info.toStdString();
}

} // namespace
