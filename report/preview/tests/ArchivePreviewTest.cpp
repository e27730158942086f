#include "FormRegistry.h"
#include "OutputClasses.h"
#include "PagewrightErrors.h"
#include "PreviewForms.h"
#include "RecordingPrompter.h"
#include "TemplateClasses.h"
#include "TppArchiveDevice.h"
#include "TppArchiveReport.h"
#include "TppDrawText.h"
#include "TppPage.h"
#include "TppPreview.h"
#include "TppPrintPreview.h"
#include "TppViewer.h"

#include <QCoreApplication>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

// An archive file opened in the preview window as if it were a report.

namespace {

// Writes an archive of `count` pages on paper of `width` x `height`, each
// with a heading that names its page.
void writeArchive(const QString& file, int count, int width, int height) {
    TppArchiveDevice device;
    device.SetFileName(file);
    device.BeginJob();
    for (int number = 1; number <= count; ++number) {
        TppPage page;
        page.Final = true;
        page.AbsolutePageNo = page.PageNo = number;
        page.AbsolutePageCount = page.PageCount = count;
        page.FirstPage = number == 1;
        page.LastPage = number == count;
        page.DocumentName = QStringLiteral("Orders");
        page.PrinterSetup().SetmmPaperWidth(width);
        page.PrinterSetup().SetmmPaperHeight(height);
        auto* heading = new TppDrawText(&page);
        heading->Text = QStringLiteral("Archived page %1").arg(number);
        heading->SetBox(10000, 10000, 80000, 6000);
        page.AddDrawCommand(heading);
        device.AcceptPage(page);
    }
    device.FinishJob();
}

class ArchivePreview : public testing::Test {
protected:
    ArchivePreview() {
        registerOutputClasses();
        registerTemplateClasses();
        registerPreviewForms({&prompter, {}});
        report->SetModalPreview(false);
    }
    ~ArchivePreview() override {
        delete report;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        unregisterPreviewForms();
    }

    RecordingPrompter prompter;
    OwnedComponent owner;
    TppArchiveReport* report = new TppArchiveReport(&owner);
    QTemporaryDir folder;
};

TEST_F(ArchivePreview, ShowsAndTurnsTheArchivedPages) {
    const QString file = folder.filePath("orders.raf");
    writeArchive(file, 3, 100000, 150000);
    report->LoadFromFile(file);
    EXPECT_EQ(report->PageCount(), 3);
    report->Print();
    auto* form = dynamic_cast<TppPrintPreview*>(report->PreviewForm());
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    TppViewer& viewer = *form->Viewer();
    EXPECT_EQ(viewer.AbsolutePageNo(), 1);
    EXPECT_EQ(viewer.CurrentPage().PageDef().mmWidth, 100000) << "the archived page's own paper";
    auto& panel = dynamic_cast<TppPreview&>(form->Preview());
    QTest::mouseClick(panel.NextButton(), Qt::LeftButton);
    EXPECT_EQ(viewer.AbsolutePageNo(), 2);
    QTest::mouseClick(panel.LastButton(), Qt::LeftButton);
    EXPECT_EQ(viewer.AbsolutePageNo(), 3);
    EXPECT_EQ(form->StatusBar()->currentMessage(), "Page 3 of 3");
    EXPECT_FALSE(panel.NextButton()->isEnabled());
    QTest::mouseClick(panel.FirstButton(), Qt::LeftButton);
    EXPECT_EQ(viewer.AbsolutePageNo(), 1);
    const auto* heading = dynamic_cast<TppDrawText*>(viewer.CurrentPage().DrawCommand(0));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->Text, "Archived page 1");
    form->Close();
}

TEST_F(ArchivePreview, ADamagedArchiveIsRefusedAndThePagesHeldStay) {
    const QString good = folder.filePath("good.raf");
    writeArchive(good, 2, 215900, 279401);
    report->LoadFromFile(good);
    const QString damaged = folder.filePath("damaged.raf");
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x1c\0\0\0", 4));
    file.close();
    EXPECT_THROW(report->LoadFromFile(damaged), ETemplateLoadError);
    EXPECT_EQ(report->PageCount(), 2);
    EXPECT_EQ(report->ArchiveFile(), good);
}

} // namespace
