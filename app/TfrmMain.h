#pragma once

#include "AmortizationSchedule.h"
#include "AppConfig.h"
#include "Clock.h"
#include "FormatSettings.h"
#include "Prompter.h"
#include "ReportActions.h"

#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <optional>

class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class AdvertisementStrip;
class DatasetItemModel;
class PageFetcher;

// What the main window takes from outside instead of reaching for it.
struct MainWindowServices {
    Prompter* prompter = nullptr;
    const Clock* clock = nullptr;
    QString appDir; // where CONFIG.INI and Amortization.rtm live
    FormatSettings settings;
    // The desktop's default opener (the shell's "open"); false when nothing opened the target.
    std::function<bool(const QUrl&)> openTarget;
    ReportActions* reports = nullptr;
    QString documentsDir;           // where "Export To Excel" writes its workbooks
    PageFetcher* adsPage = nullptr; // fetches the advertisement page; none: the fallbacks stay
    std::function<int(int count)> chooseAdvertisement; // empty: at random
};

// The calculator's main window: loan inputs, the summary and the schedule grid,
// the report commands, the advertisement strip and the company link. Widgets
// carry the object names that users' scripts and the tests find them by.
class TfrmMain : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMain(MainWindowServices services, QWidget* parent = nullptr);
    ~TfrmMain() override;

    MemoryTable& scheduleTable() { return tblTemp_; }
    const AppConfig& config() const { return config_; }
    const QTimer& rotationTimer() const { return Timer1_; }

    void FormActivate();
    void btnComputeClick();
    void edtTermExit();
    void cbxTermTypeChange();
    void Button1Click();
    void Button2Click();
    void lCompanyLinkClick();
    void Button3Click();
    void Timer1Timer();
    void Panel1Click();
    AdvertisementStrip& advertisementStrip() { return *strip_; }

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void buildWidgets();
    LoanInputs inputs() const;
    QLineEdit* editFor(LoanInput input) const;
    // Shows the message; a refused edit box is reset to "0" and focused.
    void refuse(const InputRefusal& refusal);
    QString reportTemplatePath() const;
    // Runs a command so that no exception reaches the event loop.
    void guarded(const std::function<void()>& command);

    MainWindowServices services_;
    AppConfig config_;
    MemoryTable tblTemp_;
    DatasetItemModel* gridModel_ = nullptr;
    QTimer Timer1_;
    AdvertisementStrip* strip_ = nullptr;
    // The loan of the schedule in the table, after which its workbook is named.
    std::optional<LoanInputs> computedLoan_;

    QLineEdit* edtLoanAmt_ = nullptr;
    QLineEdit* edtTerm_ = nullptr;
    QComboBox* cbxTermType_ = nullptr;
    QLineEdit* edtInterest_ = nullptr;
    QDateTimeEdit* dtpDateStart_ = nullptr;
    QLineEdit* edtAddMPay_ = nullptr;
    QLineEdit* edtAddSpecMonth_ = nullptr;
    QComboBox* cbxMonthPay_ = nullptr;
    QLineEdit* edtAddSpec_ = nullptr;
    QDateTimeEdit* dtpDateSpec_ = nullptr;
    QLabel* LAds1_ = nullptr;
    QLabel* LAds2_ = nullptr;
    QLabel* LAdsURL_ = nullptr;
    QLabel* lLoanAmmount_ = nullptr;
    QLabel* lLoanTerm_ = nullptr;
    QLabel* lInterestRate_ = nullptr;
    QLabel* lMonthlyPayment_ = nullptr;
    QLabel* lTotalInterestToBePaid_ = nullptr;
    QLabel* lTotalPayment_ = nullptr;
    QLabel* lCompanyLink_ = nullptr;
    QWidget* Panel1_ = nullptr;
    QTableView* DBGrid1_ = nullptr;
};

// Top-left corner that centres a window on a screen, in whole pixels.
QPoint centredTopLeft(QSize screen, QSize window);
