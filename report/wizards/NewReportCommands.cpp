#include "NewReportCommands.h"

#include "ReportDataHooks.h"
#include "TppResourceManager.h"
#include "TppWizardRegistry.h"
#include "WizardStrings.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

QString newReportCaption() {
    TppWizardRegistry& registry = TppWizardRegistry::instance();
    const auto wizard = registry.Create(registry.DefaultWizard);
    QString caption = LanguageString(kMsgNewReportItem);
    if (wizard && wizard->ShowsDialog())
        caption += QStringLiteral("...");
    return caption;
}

QString chooseNewReportWizard(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("NewItemsDialog"));
    dialog.setWindowTitle(QStringLiteral("New Items"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("wizards"));
    for (const TppWizardRegistry::Entry& entry : TppWizardRegistry::instance().ReportWizards()) {
        auto* item = new QListWidgetItem(entry.name, list);
        item->setData(Qt::UserRole, entry.className);
    }
    list->setCurrentRow(0);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    if (dialog.exec() != QDialog::Accepted || !list->currentItem())
        return QString();
    return list->currentItem()->data(Qt::UserRole).toString();
}

WizardRun runReportWizard(const QString& className, TppCustomReport& report, QWidget* parent,
                          const std::function<void()>& replacing, const WizardDataHooks& hooks) {
    const auto wizard = TppWizardRegistry::instance().Create(className);
    if (!wizard)
        return {};
    wizard->SetDialogParent(parent);
    connectWizardToReport(*wizard, report);
    if (hooks.getDataNames)
        wizard->OnGetDataNames = hooks.getDataNames;
    if (hooks.getFields)
        wizard->OnGetFields = hooks.getFields;
    if (hooks.createReport)
        wizard->OnCreateReport = hooks.createReport;
    const auto create = wizard->OnCreateReport;
    wizard->OnCreateReport = [&](const QString& dataName) {
        if (replacing)
            replacing();
        return create(dataName);
    };
    WizardRun run;
    run.finished = wizard->Execute();
    run.afterAction = wizard->AfterAction();
    return run;
}
