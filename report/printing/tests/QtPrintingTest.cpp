#include "QtPrinterCatalog.h"
#include "TppPrinterList.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(QtPrinting, TheCatalogueListsDefaultAndScreenFirst) {
    TppPrinterList& list = TppPrinterList::instance();
    list.setCatalog(std::make_shared<QtPrinterCatalog>());
    const QStringList names = list.PrinterNames();
    ASSERT_GE(names.size(), 2);
    EXPECT_EQ(names.mid(0, 2), QStringList({"Default", "Screen"}));
    if (names.size() == 2) {
        EXPECT_TRUE(list.FindPrinter("Default")->isScreen()) << "without printers the screen stands in";
    }
}

TEST(QtPrinting, AJobWritesItsPagesToTheOutputFile) {
    QTemporaryDir dir;
    PrintJobRequest request;
    request.settings.documentName = "Schedule";
    request.settings.outputFileName = dir.filePath("job.pdf");
    request.paperMillimetres = QSizeF(215.9, 279.4);
    const std::unique_ptr<PrintJob> job = QtPrinterCatalog().startJob(QString(), request);
    ASSERT_NE(job, nullptr);
    for (int page = 0; page < 2; ++page) {
        QPainter* canvas = job->newPage(request);
        ASSERT_NE(canvas, nullptr);
        canvas->drawLine(0, 0, 100, 100);
    }
    job->finish();
    QFile file(dir.filePath("job.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 2)
        << "one PDF page per page drawn";
}

} // namespace
