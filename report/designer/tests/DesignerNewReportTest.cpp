#include "DesignerFixture.h"

#include "DesignerDialogs.h"
#include "LabelWizardDialog.h"
#include "TppDesignerWindow.h"
#include "TppWizardRegistry.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class NoQuestions : public DesignerDialogs {
public:
    Answer askYesNoCancel(const QString& text) override {
        asked << text;
        return Answer::No;
    }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
    void showMessage(const QString& text) override { asked << text; }
    QStringList asked;
};

class DesignerNewReportTest : public ::testing::Test, public DesignerFixture {
protected:
    DesignerNewReportTest() {
        registerReportWizards();
        window = std::make_unique<TppDesignerWindow>(*report, dialogs);
        window->show();
    }

    NoQuestions dialogs;
    std::unique_ptr<TppDesignerWindow> window;
};

} // namespace

TEST_F(DesignerNewReportTest, NewReportStartsABlankReportWithTheDefaultBands) {
    window->controller().selectAll();
    ASSERT_FALSE(window->controller().selection().isEmpty());
    EXPECT_EQ(window->action("actNewReport")->text(), "New &Report") << "the blank report asks nothing";
    window->action("actNewReport")->trigger();

    ASSERT_EQ(report->BandCount(), 3);
    for (TppBand* band : report->Bands())
        EXPECT_TRUE(band->Objects().isEmpty());
    EXPECT_TRUE(window->controller().selection().isEmpty()) << "nothing of the old layout stays selected";
    EXPECT_FALSE(window->controller().undoStack().canUndo());
    EXPECT_EQ(window->pages().currentIndex(), 0);
}

TEST_F(DesignerNewReportTest, NewOffersTheWizardsAndTheLabelWizardLaysOutASheet) {
    QStringList offered;
    // Answers the two dialogs as they come up: the list of wizards, then
    // the label wizard with its first label.
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* list = modal->findChild<QListWidget*>(QStringLiteral("wizards"))) {
            for (int row = 0; row < list->count(); ++row)
                offered << list->item(row)->text();
            list->setCurrentRow(int(offered.indexOf(QStringLiteral("Label Templates"))));
        }
        static_cast<QDialog*>(modal)->accept();
    });
    answer.start();
    window->action("actNew")->trigger();
    answer.stop();

    EXPECT_EQ(offered, (QStringList{"Report Wizard", "Report", "Label Templates"}));
    ASSERT_EQ(report->BandCount(), 1);
    EXPECT_EQ(report->GetBand(btDetail)->mmHeight(), UnitsToMM(1.33f, utInches, Axis::Vertical))
        << "2162 - Mini, the first standard label";
    EXPECT_EQ(report->PageDef().mmWidth, UnitsToMM(4.5f, utInches));
    EXPECT_TRUE(dialogs.asked.isEmpty());
}
