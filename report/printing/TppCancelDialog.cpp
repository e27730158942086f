#include "TppCancelDialog.h"

#include "TppResourceManager.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TppCancelDialog::TppCancelDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(LanguageString(kMsgPrinting));
    scriptForm_.follow(*this);
    auto* layout = new QVBoxLayout(this);
    message_ = new QLabel(this);
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message_->setCursor(Qt::WaitCursor);
    message_->setMinimumSize(320, 48);
    layout->addWidget(message_, 1);
    cancel_ = new QPushButton(LanguageString(kMsgCancel), this);
    cancel_->setFixedWidth(cancel_->fontMetrics().horizontalAdvance(cancel_->text()) + 30);
    auto* row = new QHBoxLayout();
    row->addStretch();
    row->addWidget(cancel_);
    row->addStretch();
    layout->addLayout(row);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (OnCancel)
            OnCancel();
        done(QDialog::Rejected);
    });
    startTimer_ = new QTimer(this);
    startTimer_->setSingleShot(true);
    startTimer_->setInterval(10);
    connect(startTimer_, &QTimer::timeout, this, &TppCancelDialog::start);
}

TppCancelDialog::~TppCancelDialog() = default;

void TppCancelDialog::SetStatusText(const QString& text) {
    TppCustomCancelDialog::SetStatusText(text);
    message_->setText(text);
}

void TppCancelDialog::Show() {
    modal_ = false;
    previousActive_ = QApplication::activeWindow();
    show();
}

bool TppCancelDialog::ShowModal() {
    modal_ = true;
    const int result = exec();
    if (jobError_)
        std::rethrow_exception(std::exchange(jobError_, nullptr));
    return result == QDialog::Accepted;
}

void TppCancelDialog::Close() {
    if (modal_)
        done(QDialog::Accepted);
    else
        close();
}

void TppCancelDialog::done(int result) {
    QDialog::done(result);
    if (!closeNotified_ && OnClose) {
        closeNotified_ = true;
        OnClose();
    }
}

void TppCancelDialog::showEvent(QShowEvent* event) {
    ApplyIcon(*this);
    QDialog::showEvent(event);
    cancel_->setEnabled(true);
    if (modal_)
        startTimer_->start();
}

void TppCancelDialog::hideEvent(QHideEvent* event) {
    wasActive_ = isActiveWindow();
    QDialog::hideEvent(event);
    if (modal_ || !previousActive_)
        return;
    if (!previousActive_->isEnabled())
        previousActive_->setEnabled(true);
    if (wasActive_)
        previousActive_->activateWindow();
}

void TppCancelDialog::start() {
    if (!OnActivate)
        return;
    // The job runs inside this dialog's event loop: what it throws is kept
    // for ShowModal and the dialog closes.
    try {
        OnActivate();
    } catch (...) {
        jobError_ = std::current_exception();
        if (isVisible())
            done(QDialog::Rejected);
    }
}
