#include "AdvisoryMessages.h"
#include "MainWindowHarness.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class MainWindowTest : public testing::Test, protected MainWindowHarness {
protected:
    void SetUp() override { openWindow(); }
};

TEST_F(MainWindowTest, ComputingTheDefaultsFillsGridAndSummary) {
    EXPECT_EQ(window->size(), QSize(720, 582));
    EXPECT_EQ(child<QDateTimeEdit>("dtpDateStart")->dateTime(), clock.now());
    click("btnCompute");
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(child<QTableView>("DBGrid1")->model()->rowCount(), 12);
    EXPECT_EQ(text("lLoanAmmount"), "10,000.00");
    EXPECT_EQ(text("lLoanTerm"), "12 months to pay");
    EXPECT_EQ(text("lInterestRate"), "6 %");
    EXPECT_EQ(text("lMonthlyPayment"), "860.66");
    EXPECT_EQ(text("lTotalInterestToBePaid"), "327.97");
    EXPECT_EQ(text("lTotalPayment"), "10,327.97");
}

TEST_F(MainWindowTest, RefusedInputIsResetAndFocused) {
    window->show();
    QApplication::setActiveWindow(window.get());
    click("btnCompute");
    auto* amount = child<QLineEdit>("edtLoanAmt");
    amount->setText(QStringLiteral("abc"));
    click("btnCompute");
    EXPECT_EQ(prompter.messages.value(0), advisory::notNumeric);
    EXPECT_EQ(amount->text(), "0");
    EXPECT_TRUE(amount->hasFocus());
    EXPECT_EQ(window->scheduleTable().recordCount(), 12) << "the previous schedule stays";
    EXPECT_EQ(text("lMonthlyPayment"), "860.66");
}

TEST_F(MainWindowTest, TermChecksOnLeavingAndOnChangingTheUnit) {
    auto* term = child<QLineEdit>("edtTerm");
    term->setText(QStringLiteral("12.5"));
    child<QComboBox>("cbxTermType")->setCurrentIndex(1);
    EXPECT_TRUE(prompter.messages.isEmpty()) << "a change of unit accepts a fractional term";
    window->edtTermExit();
    EXPECT_EQ(prompter.messages, QStringList{advisory::termNotNumeric});
    EXPECT_EQ(term->text(), "0");

    term->setText(QStringLiteral("twelve"));
    child<QComboBox>("cbxMonthPay")->setCurrentIndex(3);
    EXPECT_EQ(prompter.messages.size(), 2);
}

TEST_F(MainWindowTest, TermIsCheckedWhenTheFocusMovesToAnotherControlOnly) {
    auto* term = child<QLineEdit>("edtTerm");
    const struct {
        Qt::FocusReason reason;
        bool checks;
    } cases[] = {
        {Qt::ActiveWindowFocusReason, false}, // the user switched to another application
        {Qt::PopupFocusReason, false},
        {Qt::TabFocusReason, true},
        {Qt::MouseFocusReason, true},
    };
    for (const auto& c : cases) {
        prompter.messages.clear();
        term->setText(QStringLiteral("12.5"));
        QFocusEvent leaving(QEvent::FocusOut, c.reason);
        QApplication::sendEvent(term, &leaving);
        EXPECT_EQ(prompter.messages.size(), c.checks ? 1 : 0) << c.reason;
        EXPECT_EQ(term->text(), c.checks ? "0" : "12.5") << c.reason;
    }
}

TEST_F(MainWindowTest, ShowReportChecksRowsThenTheTemplate) {
    click("Button1");
    EXPECT_EQ(prompter.messages, QStringList{advisory::noRecords});
    click("btnCompute");
    click("Button1");
    EXPECT_EQ(prompter.messages.last(), advisory::noReportFile);
    EXPECT_TRUE(reports.loaded.isEmpty());
}

TEST_F(MainWindowTest, ShowReportTakesTheInputsAsTheyStandNow) {
    writeFile(QStringLiteral("Amortization.rtm"), "object ppReport1: TppReport\nend\n");
    click("btnCompute");
    child<QLineEdit>("edtInterest")->setText(QStringLiteral("7"));
    click("Button1");
    ASSERT_EQ(reports.previewed.size(), 1u);
    EXPECT_EQ(reports.loaded, QStringList{dir.filePath(QStringLiteral("Amortization.rtm"))});
    const ReportHeader& header = reports.previewed.front();
    EXPECT_EQ(header.interestRate, "7.00%") << "the rows are still those of 6 %";
    EXPECT_EQ(header.loanAmount, "10,000.00");
    EXPECT_EQ(header.loanTerm, "12 months to pay");
    EXPECT_EQ(header.monthPay, "860.66");
    EXPECT_EQ(header.totalInterest, "327.97");
    EXPECT_EQ(header.totalPay, "10,327.97");
}

TEST_F(MainWindowTest, DesignReportNeedsOnlyTheTemplate) {
    click("Button2");
    EXPECT_EQ(prompter.messages, QStringList{advisory::noReportFile});
    writeFile(QStringLiteral("Amortization.rtm"), "object ppReport1: TppReport\nend\n");
    click("Button2");
    EXPECT_EQ(reports.designed.size(), 1);
}

TEST_F(MainWindowTest, ActivationReadsTheConfiguration) {
    window->FormActivate();
    EXPECT_EQ(window->windowTitle(), "Kestrel");
    EXPECT_EQ(window->rotationTimer().interval(), 30000);
    EXPECT_TRUE(text("LAds1").isEmpty());

    writeFile(QStringLiteral("CONFIG.INI"),
              "[GENERAL]\nID_13=Loan Desk\nID_12=5\nID_2=Acme\nID_3=https://acme.example\nID_8=Headline\n");
    window->FormActivate();
    EXPECT_EQ(window->windowTitle(), "Loan Desk");
    EXPECT_EQ(window->rotationTimer().interval(), 5000);
    EXPECT_EQ(text("lCompanyLink"), "Acme");
    EXPECT_EQ(text("LAds1"), "Headline");
    window->lCompanyLinkClick();
    EXPECT_EQ(opened, QStringList{"https://acme.example"});
}

TEST(CentredTopLeft, TruncatesHalves) {
    EXPECT_EQ(centredTopLeft(QSize(1025, 769), QSize(720, 582)), QPoint(512 - 360, 384 - 291));
}

} // namespace
