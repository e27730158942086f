#include "TppTemplateDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TppTemplateDialog::TppTemplateDialog(QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget(this)), nameLabel_(new QLabel(this)),
      nameBox_(new QLineEdit(this)), ok_(new QPushButton(this)), cancel_(new QPushButton(this)) {
    Tell = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };
    Confirm = [this](const QString& question) {
        return QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    };
    list_->setColumnCount(1);
    list_->setRootIsDecorated(false);
    list_->header()->setSectionsClickable(false);
    nameLabel_->setBuddy(nameBox_);
    ok_->setDefault(true);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel_);
    nameRow->addWidget(nameBox_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(nameRow);
    layout->addLayout(buttons);

    connect(list_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { chosen(item); });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        chosen(item);
        accept();
    });
    connect(ok_, &QPushButton::clicked, this, &TppTemplateDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &TppTemplateDialog::reject);
}

void TppTemplateDialog::takeSettings() {
    setWindowTitle(Caption());
    ok_->setText(OkCaption());
    cancel_->setText(CancelCaption());
    nameLabel_->setText(NameCaption());
    list_->setHeaderLabels({NameCaption()});
    list_->clear();
    QStringList names = Names;
    names.sort();
    for (const QString& name : names)
        list_->addTopLevelItem(new QTreeWidgetItem(QStringList{name}));
    nameBox_->setText(TemplateName);
}

void TppTemplateDialog::chosen(QTreeWidgetItem* item) {
    if (item)
        nameBox_->setText(item->text(0));
}

void TppTemplateDialog::Show() {
    takeSettings();
    show();
}

bool TppTemplateDialog::ShowModal() {
    takeSettings();
    return exec() == QDialog::Accepted;
}

void TppTemplateDialog::Close() {
    close();
}

void TppTemplateDialog::accept() {
    const QString name = nameBox_->text();
    switch (CheckName(name)) {
    case okStay:
        return;
    case okNotFound:
        Tell(OkMessage(name));
        return;
    case okAskReplace:
        if (!Confirm(OkMessage(name)))
            return;
        break;
    case okAccept:
        break;
    }
    TemplateName = name;
    QDialog::accept();
}
