#include "ReportDataDialog.h"

#include "DesignerController.h"
#include "DesignerDialogs.h"
#include "ReportDataHooks.h"
#include "TppCustomReport.h"
#include "TppDataPipeline.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

ReportDataDialog::ReportDataDialog(DesignerController& designer, DesignerDialogs& dialogs, QWidget* parent)
    : QDialog(parent), designer_(designer), dialogs_(dialogs) {
    setObjectName(QStringLiteral("ReportDataDialog"));
    setWindowTitle(QStringLiteral("Data"));
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("pipelines"));
    // Entries carry the component name, which references resolve by; users know the user name.
    auto* none = new QListWidgetItem(QStringLiteral("(none)"), list_);
    none->setData(Qt::UserRole, QString());
    TppCustomReport& report = designer_.report();
    list_->setCurrentItem(none);
    for (TppDataPipeline* pipeline : availablePipelines(report)) {
        auto* item = new QListWidgetItem(
            pipeline->UserName().isEmpty() ? pipeline->Name() : pipeline->UserName(), list_);
        item->setData(Qt::UserRole, pipeline->Name());
        if (pipeline == report.DataPipeline())
            list_->setCurrentItem(item);
    }
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

bool ReportDataDialog::edit(DesignerController& designer, DesignerDialogs& dialogs, QWidget* parent) {
    ReportDataDialog dialog(designer, dialogs, parent);
    return dialog.exec() == QDialog::Accepted;
}

void ReportDataDialog::accept() {
    const QListWidgetItem* chosen = list_->currentItem();
    try {
        designer_.setProperty(designer_.report(), QStringLiteral("DataPipeline"),
                              chosen ? chosen->data(Qt::UserRole).toString() : QString());
    } catch (const std::exception& refused) {
        dialogs_.showMessage(QString::fromUtf8(refused.what()));
        return;
    }
    QDialog::accept();
}
