#include "TfrmMain.h"

#include "AdvertisementStrip.h"
#include "AdvisoryMessages.h"
#include "DatasetItemModel.h"
#include "NumberParse.h"
#include "ReportCommands.h"
#include "ScheduleWorkbook.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kTemplateFileName = QStringLiteral("Amortization.rtm");

QLabel* caption(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

QLineEdit* edit(const char* name, const QString& text, QWidget* parent) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

QDateTimeEdit* datePicker(const char* name, QWidget* parent) {
    auto* picker = new QDateTimeEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("d MMM yyyy"));
    return picker;
}

QLabel* namedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

void styleAsLink(QLabel* label, bool bold) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    label->setCursor(Qt::PointingHandCursor);
}

} // namespace

QPoint centredTopLeft(QSize screen, QSize window) {
    return {screen.width() / 2 - window.width() / 2, screen.height() / 2 - window.height() / 2};
}

TfrmMain::TfrmMain(MainWindowServices services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Kestrel"));
    resize(720, 582);
    Timer1_.setObjectName(QStringLiteral("Timer1"));
    Timer1_.setInterval(1000);
    connect(&Timer1_, &QTimer::timeout, this, [this] { guarded([this] { Timer1Timer(); }); });
    buildWidgets();
    FormCreate();
    Timer1_.start();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::buildWidgets() {
    auto* root = new QVBoxLayout(this);

    // Loan inputs (left) and additional payments (right).
    auto* inputsRow = new QHBoxLayout;
    auto* loanPanel = new QGroupBox(QStringLiteral("Loan Ammount And Terms"), this);
    auto* loanGrid = new QGridLayout(loanPanel);
    edtLoanAmt_ = edit("edtLoanAmt", QStringLiteral("10000"), loanPanel);
    edtTerm_ = edit("edtTerm", QStringLiteral("12"), loanPanel);
    cbxTermType_ = new QComboBox(loanPanel);
    cbxTermType_->setObjectName(QStringLiteral("cbxTermType"));
    cbxTermType_->addItems({QStringLiteral("per Month"), QStringLiteral("per Year")});
    edtInterest_ = edit("edtInterest", QStringLiteral("6"), loanPanel);
    dtpDateStart_ = datePicker("dtpDateStart", loanPanel);
    loanGrid->addWidget(caption(QStringLiteral("Loan Amount"), loanPanel), 0, 0);
    loanGrid->addWidget(edtLoanAmt_, 0, 1, 1, 2);
    loanGrid->addWidget(caption(QStringLiteral("Loan Term"), loanPanel), 1, 0);
    loanGrid->addWidget(edtTerm_, 1, 1);
    loanGrid->addWidget(cbxTermType_, 1, 2);
    loanGrid->addWidget(caption(QStringLiteral("Interest Rate"), loanPanel), 2, 0);
    loanGrid->addWidget(edtInterest_, 2, 1);
    loanGrid->addWidget(caption(QStringLiteral("% Per Year"), loanPanel), 2, 2);
    loanGrid->addWidget(caption(QStringLiteral("Loan Start Date"), loanPanel), 3, 0);
    loanGrid->addWidget(dtpDateStart_, 3, 1, 1, 2);

    auto* extraPanel = new QGroupBox(QStringLiteral("Additional Loan Payment Option"), this);
    auto* extraGrid = new QGridLayout(extraPanel);
    edtAddMPay_ = edit("edtAddMPay", QStringLiteral("0"), extraPanel);
    edtAddSpecMonth_ = edit("edtAddSpecMonth", QStringLiteral("0"), extraPanel);
    cbxMonthPay_ = new QComboBox(extraPanel);
    cbxMonthPay_->setObjectName(QStringLiteral("cbxMonthPay"));
    cbxMonthPay_->addItems(
        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sept", "Oct", "Nov", "Dec"});
    edtAddSpec_ = edit("edtAddSpec", QStringLiteral("0"), extraPanel);
    dtpDateSpec_ = datePicker("dtpDateSpec", extraPanel);
    extraGrid->addWidget(caption(QStringLiteral("Additional Monthly Payment"), extraPanel), 0, 0);
    extraGrid->addWidget(edtAddMPay_, 0, 1, 1, 3);
    extraGrid->addWidget(caption(QStringLiteral("Recurring Yearly Payment Of"), extraPanel), 1, 0);
    extraGrid->addWidget(edtAddSpecMonth_, 1, 1);
    extraGrid->addWidget(caption(QStringLiteral("Every"), extraPanel), 1, 2);
    extraGrid->addWidget(cbxMonthPay_, 1, 3);
    extraGrid->addWidget(caption(QStringLiteral("One Time Payment Of"), extraPanel), 2, 0);
    extraGrid->addWidget(edtAddSpec_, 2, 1);
    extraGrid->addWidget(caption(QStringLiteral("In"), extraPanel), 2, 2);
    extraGrid->addWidget(dtpDateSpec_, 2, 3);
    inputsRow->addWidget(loanPanel);
    inputsRow->addWidget(extraPanel);
    root->addLayout(inputsRow);

    // Advertisement strip: the fallback texts from configuration.
    auto* adStrip = Panel1_ = new QWidget(this);
    adStrip->setObjectName(QStringLiteral("Panel1"));
    adStrip->setCursor(Qt::PointingHandCursor);
    auto* adLayout = new QVBoxLayout(adStrip);
    adLayout->setContentsMargins(4, 2, 4, 2);
    LAds1_ = namedLabel("LAds1", QStringLiteral("Ads Headline"), adStrip);
    LAds2_ = namedLabel("LAds2", QStringLiteral("Ads Description"), adStrip);
    LAdsURL_ = namedLabel("LAdsURL", QStringLiteral("Ads URL"), adStrip);
    styleAsLink(LAdsURL_, false);
    LAdsURL_->setCursor(Qt::PointingHandCursor);
    adLayout->addWidget(LAds1_);
    adLayout->addWidget(LAds2_);
    adLayout->addWidget(LAdsURL_);
    root->addWidget(adStrip);
    adStrip->installEventFilter(this);
    strip_ = new AdvertisementStrip({LAds1_, LAds2_, LAdsURL_}, services_.adsPage,
                                    services_.chooseAdvertisement, this);

    auto* btnCompute = new QPushButton(QStringLiteral("Calculate Loan And Amortization"), this);
    btnCompute->setObjectName(QStringLiteral("btnCompute"));
    QFont bold = btnCompute->font();
    bold.setBold(true);
    btnCompute->setFont(bold);
    root->addWidget(btnCompute);

    auto* tabs = new QTabWidget(this);
    auto* summaryTab = new QWidget(tabs);
    auto* summaryGrid = new QGridLayout(summaryTab);
    const struct {
        const char* caption;
        const char* name;
        QLabel** label;
    } summaryRows[] = {
        {"Loan Ammount", "lLoanAmmount", &lLoanAmmount_},
        {"Loan Term", "lLoanTerm", &lLoanTerm_},
        {"Interest Rate", "lInterestRate", &lInterestRate_},
        {"Monthly Payment", "lMonthlyPayment", &lMonthlyPayment_},
        {"Total Interest To Be Paid", "lTotalInterestToBePaid", &lTotalInterestToBePaid_},
        {"Total Payment", "lTotalPayment", &lTotalPayment_},
    };
    int row = 0;
    for (const auto& r : summaryRows) {
        summaryGrid->addWidget(caption(QString::fromLatin1(r.caption), summaryTab), row, 0);
        *r.label = namedLabel(r.name, QStringLiteral("0"), summaryTab);
        summaryGrid->addWidget(*r.label, row, 1);
        ++row;
    }
    summaryGrid->setRowStretch(row, 1);
    summaryGrid->setColumnStretch(1, 1);
    tabs->addTab(summaryTab, QStringLiteral("Loan Summary"));

    auto* reportTab = new QWidget(tabs);
    auto* reportLayout = new QVBoxLayout(reportTab);
    DBGrid1_ = new QTableView(reportTab);
    DBGrid1_->setObjectName(QStringLiteral("DBGrid1"));
    gridModel_ = new DatasetItemModel(&tblTemp_, services_.settings, this);
    DBGrid1_->setModel(gridModel_);
    DBGrid1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1_->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    DBGrid1_->verticalHeader()->setDefaultSectionSize(DBGrid1_->fontMetrics().height() + 6);
    connect(gridModel_, &QAbstractItemModel::modelReset, DBGrid1_, &QTableView::resizeColumnsToContents);
    reportLayout->addWidget(DBGrid1_);
    auto* buttons = new QHBoxLayout;
    auto* exportButton = new QPushButton(QStringLiteral("Export To Excel"), reportTab);
    exportButton->setObjectName(QStringLiteral("Button3"));
    auto* showButton = new QPushButton(QStringLiteral("Show Report"), reportTab);
    showButton->setObjectName(QStringLiteral("Button1"));
    auto* designButton = new QPushButton(QStringLiteral("Design Report"), reportTab);
    designButton->setObjectName(QStringLiteral("Button2"));
    buttons->addWidget(exportButton);
    buttons->addStretch();
    buttons->addWidget(showButton);
    buttons->addWidget(designButton);
    reportLayout->addLayout(buttons);
    tabs->addTab(reportTab, QStringLiteral("Ammortization Report"));
    root->addWidget(tabs, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(caption(QStringLiteral("Software Brought To You By:"), this));
    lCompanyLink_ = namedLabel("lCompanyLink", QStringLiteral("lCompanyLink"), this);
    styleAsLink(lCompanyLink_, true);
    lCompanyLink_->installEventFilter(this);
    bottom->addWidget(lCompanyLink_);
    bottom->addStretch();
    root->addLayout(bottom);

    edtTerm_->installEventFilter(this);
    connect(btnCompute, &QPushButton::clicked, this, [this] { guarded([this] { btnComputeClick(); }); });
    connect(exportButton, &QPushButton::clicked, this, [this] { guarded([this] { Button3Click(); }); });
    connect(showButton, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    connect(designButton, &QPushButton::clicked, this, [this] { guarded([this] { Button2Click(); }); });
    for (QComboBox* box : {cbxTermType_, cbxMonthPay_})
        connect(box, &QComboBox::currentIndexChanged, this,
                [this] { guarded([this] { cbxTermTypeChange(); }); });
}

void TfrmMain::FormCreate() {
    const QDateTime now = services_.clock->now();
    dtpDateStart_->setDateTime(now);
    dtpDateSpec_->setDateTime(now);
    AmortizationSchedule::defineTable(tblTemp_);
}

void TfrmMain::FormActivate() {
    config_ = AppConfig::read(QDir(services_.appDir).filePath(QStringLiteral("CONFIG.INI")));
    setWindowTitle(config_.windowTitle());
    lCompanyLink_->setText(config_.companyCaption);
    Timer1_.setInterval(config_.rotationIntervalMs());
    strip_->reload({config_.adHeadline, config_.adDescription, config_.adTarget, config_.adLinkText},
                   config_.adsAddress);
    if (const QScreen* s = screen())
        move(centredTopLeft(s->geometry().size(), size()));
}

LoanInputs TfrmMain::inputs() const {
    LoanInputs in;
    in.loanAmount = edtLoanAmt_->text();
    in.term = edtTerm_->text();
    in.termTypeIndex = cbxTermType_->currentIndex();
    in.interest = edtInterest_->text();
    in.startDate = dtpDateStart_->dateTime();
    in.extraMonthly = edtAddMPay_->text();
    in.extraYearly = edtAddSpecMonth_->text();
    in.yearlyMonthIndex = cbxMonthPay_->currentIndex();
    in.extraOnce = edtAddSpec_->text();
    in.onceDate = dtpDateSpec_->date();
    return in;
}

QLineEdit* TfrmMain::editFor(LoanInput input) const {
    switch (input) {
    case LoanInput::LoanAmount:
        return edtLoanAmt_;
    case LoanInput::Interest:
        return edtInterest_;
    case LoanInput::Term:
        return edtTerm_;
    case LoanInput::ExtraMonthly:
        return edtAddMPay_;
    case LoanInput::ExtraYearly:
        return edtAddSpecMonth_;
    case LoanInput::ExtraOnce:
        return edtAddSpec_;
    }
    return nullptr;
}

void TfrmMain::refuse(const InputRefusal& refusal) {
    services_.prompter->showMessage(refusal.message);
    if (!refusal.input)
        return;
    QLineEdit* box = editFor(*refusal.input);
    box->setText(QStringLiteral("0"));
    box->setFocus();
}

void TfrmMain::btnComputeClick() {
    const auto outcome = AmortizationSchedule::compute(inputs(), tblTemp_, services_.settings);
    if (const auto* refusal = std::get_if<InputRefusal>(&outcome)) {
        refuse(*refusal);
        return;
    }
    computedLoan_ = inputs();
    const ScheduleSummary& summary = std::get<ScheduleSummary>(outcome);
    lLoanAmmount_->setText(summary.loanAmount);
    lLoanTerm_->setText(summary.loanTerm);
    lInterestRate_->setText(summary.interestRate);
    lMonthlyPayment_->setText(summary.monthlyPayment);
    lTotalInterestToBePaid_->setText(summary.totalInterest);
    lTotalPayment_->setText(summary.totalPayment);
}

void TfrmMain::edtTermExit() {
    if (parseInt32(edtTerm_->text()))
        return;
    services_.prompter->showMessage(advisory::termNotNumeric);
    edtTerm_->setText(QStringLiteral("0"));
    edtTerm_->setFocus();
}

void TfrmMain::cbxTermTypeChange() {
    // Unlike leaving the box, a change of unit accepts a fractional term such as 12.5.
    if (parseFloat(edtTerm_->text(), services_.settings))
        return;
    services_.prompter->showMessage(advisory::termNotNumeric);
    edtTerm_->setText(QStringLiteral("0"));
    edtTerm_->setFocus();
}

QString TfrmMain::reportTemplatePath() const {
    return QDir(services_.appDir).filePath(kTemplateFileName);
}

void TfrmMain::Button1Click() {
    if (const auto refusal =
            showReport(inputs(), tblTemp_, reportTemplatePath(), *services_.reports, services_.settings))
        refuse(*refusal);
}

void TfrmMain::Button2Click() {
    if (const auto refusal = designReport(reportTemplatePath(), *services_.reports))
        refuse(*refusal);
}

void TfrmMain::lCompanyLinkClick() {
    if (!config_.companyTarget.isEmpty() && services_.openTarget)
        services_.openTarget(QUrl::fromUserInput(config_.companyTarget));
}

void TfrmMain::Button3Click() {
    if (tblTemp_.isEmpty() || !computedLoan_) {
        services_.prompter->showMessage(advisory::noRecords);
        return;
    }
    const WorkbookOutcome outcome =
        writeNewScheduleWorkbook(tblTemp_, services_.documentsDir, loanWorkbookName(*computedLoan_));
    if (!outcome.written()) {
        services_.prompter->showMessage(workbookNotWritten(outcome));
        return;
    }
    // The workbook is the user's from here on: it stays, whatever program shows it.
    if (!services_.openTarget || !services_.openTarget(QUrl::fromLocalFile(outcome.path)))
        services_.prompter->showMessage(workbookNotOpened(outcome.path));
}

void TfrmMain::Timer1Timer() {
    strip_->rotate();
}

void TfrmMain::Panel1Click() {
    if (const auto target = strip_->openableTarget(); target && services_.openTarget)
        services_.openTarget(*target);
}

void TfrmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        guarded([this] { FormActivate(); });
}

namespace {

// Switching to another application or opening a menu takes the focus from the window but leaves it
// on the box; only a move to another control of the window is leaving the term.
bool leavesForAnotherControl(const QEvent& event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtTerm_ && event->type() == QEvent::FocusOut && leavesForAnotherControl(*event))
        guarded([this] { edtTermExit(); });
    else if (watched == lCompanyLink_ && event->type() == QEvent::MouseButtonRelease)
        guarded([this] { lCompanyLinkClick(); });
    else if (watched == Panel1_ && event->type() == QEvent::MouseButtonRelease)
        guarded([this] { Panel1Click(); });
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::guarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        services_.prompter->showMessage(QString::fromUtf8(error.what()));
    }
}
