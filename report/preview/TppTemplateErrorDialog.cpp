#include "TppTemplateErrorDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TppTemplateErrorDialog::TppTemplateErrorDialog(QWidget* parent)
    : QDialog(parent), message_(new QLabel(this)), ignore_(new QPushButton(this)),
      cancel_(new QPushButton(this)), ignoreAll_(new QPushButton(this)) {
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {ignore_, cancel_, ignoreAll_})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_, 1);
    layout->addLayout(buttons);
    connect(ignore_, &QPushButton::clicked, this, [this] { answer(erIgnore); });
    connect(cancel_, &QPushButton::clicked, this, [this] { answer(erCancel); });
    connect(ignoreAll_, &QPushButton::clicked, this, [this] { answer(erIgnoreAll); });
}

void TppTemplateErrorDialog::takeSettings() {
    setWindowTitle(Caption());
    ignore_->setText(IgnoreCaption());
    cancel_->setText(CancelCaption());
    ignoreAll_->setText(IgnoreAllCaption());
    message_->setText(Message);
    // Each question starts on Ignore, whichever button answered the last.
    ignore_->setDefault(true);
    ignore_->setFocus();
    Result = erCancel;
}

void TppTemplateErrorDialog::answer(ErrorResult result) {
    Result = result;
    if (result == erCancel)
        reject();
    else
        accept();
}

void TppTemplateErrorDialog::Show() {
    takeSettings();
    show();
}

bool TppTemplateErrorDialog::ShowModal() {
    takeSettings();
    exec();
    return Result != erCancel;
}

void TppTemplateErrorDialog::Close() {
    close();
}
