#include "TppNoDataDialog.h"

#include "TppResourceManager.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TppNoDataDialog::TppNoDataDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(LanguageString(kMsgNoDataFound));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* message = new QLabel(LanguageString(kMsgNoDataForReport), this);
    QFont bold = message->font();
    bold.setBold(true);
    message->setFont(bold);
    message->setAlignment(Qt::AlignCenter);
    layout->addWidget(message);
    ok_ = new QPushButton(LanguageString(kMsgOK), this);
    ok_->setDefault(true);
    auto* row = new QHBoxLayout();
    row->addStretch();
    row->addWidget(ok_);
    row->addStretch();
    layout->addLayout(row);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TppNoDataDialog::Show() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
}

bool TppNoDataDialog::ShowModal() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    return exec() == QDialog::Accepted;
}

void TppNoDataDialog::Close() {
    if (isVisible())
        accept();
}
