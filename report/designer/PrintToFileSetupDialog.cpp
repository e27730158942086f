#include "PrintToFileSetupDialog.h"

#include "DesignerCommands.h"
#include "DesignerController.h"
#include "DesignerDialogs.h"
#include "DeviceClasses.h"
#include "TppCustomReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kArchiveDevice = QStringLiteral("ArchiveFile");
const QString kScreenDevice = QStringLiteral("Screen");

bool isFileDevice(const QString& name) {
    return DeviceClasses::instance().FileTraits(name) != nullptr;
}

} // namespace

PrintToFileSetupDialog::PrintToFileSetupDialog(DesignerController& designer, DesignerDialogs& dialogs,
                                               QWidget* parent)
    : QDialog(parent), designer_(designer), dialogs_(dialogs) {
    setObjectName(QStringLiteral("PrintToFileSetupDialog"));
    setWindowTitle(QStringLiteral("Print to File Setup"));
    const TppCustomReport& report = designer_.report();
    textFileName_ = report.TextFileName();
    archiveFileName_ = report.ArchiveFileName();

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    device_ = new QComboBox(this);
    device_->setObjectName(QStringLiteral("deviceType"));
    for (const QString& name : DeviceClasses::instance().FileDeviceNames()) {
        const FileDeviceTraits* traits = DeviceClasses::instance().FileTraits(name);
        const QString description = traits && traits->DeviceDescription ? traits->DeviceDescription() : name;
        device_->addItem(description.isEmpty() ? name : description, name);
    }
    const int current = device_->findData(report.DeviceType(), Qt::UserRole, Qt::MatchFixedString);
    device_->setCurrentIndex(current >= 0 ? current : 0);
    form->addRow(QStringLiteral("File &type:"), device_);

    auto* file = new QHBoxLayout;
    fileName_ = new QLineEdit(this);
    fileName_->setObjectName(QStringLiteral("fileName"));
    browse_ = new QPushButton(QStringLiteral("&Browse..."), this);
    browse_->setObjectName(QStringLiteral("browse"));
    file->addWidget(fileName_);
    file->addWidget(browse_);
    // A row of two widgets has no buddy of its own: the label needs it for its shortcut.
    auto* fileLabel = new QLabel(QStringLiteral("File &name:"), this);
    fileLabel->setBuddy(fileName_);
    form->addRow(fileLabel, file);

    textFileType_ = new QComboBox(this);
    textFileType_->setObjectName(QStringLiteral("textFileType"));
    textFileType_->addItem(QStringLiteral("Comma delimited"), int(ftComma));
    textFileType_->addItem(QStringLiteral("Tab delimited"), int(ftTab));
    textFileType_->addItem(QStringLiteral("Fixed length"), int(ftFixedLength));
    textFileType_->addItem(QStringLiteral("Custom"), int(ftCustom));
    textFileType_->setCurrentIndex(textFileType_->findData(int(report.TextFileType())));
    form->addRow(QStringLiteral("Text &format:"), textFileType_);
    layout->addLayout(form);

    printToFile_ =
        new QCheckBox(QStringLiteral("&Print to this file instead of the screen or printer"), this);
    printToFile_->setObjectName(QStringLiteral("printToFile"));
    printToFile_->setChecked(isFileDevice(report.DeviceType()));
    layout->addWidget(printToFile_);
    allowPrintToFile_ = new QCheckBox(QStringLiteral("&Offer printing to a file in the print dialog"), this);
    allowPrintToFile_->setObjectName(QStringLiteral("allowPrintToFile"));
    allowPrintToFile_->setChecked(report.AllowPrintToFile());
    layout->addWidget(allowPrintToFile_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(device_, &QComboBox::currentIndexChanged, this, &PrintToFileSetupDialog::deviceChosen);
    connect(browse_, &QPushButton::clicked, this, &PrintToFileSetupDialog::browse);

    archiveShown_ = archiveChosen();
    fileName_->setText(archiveShown_ ? archiveFileName_ : textFileName_);
    textFileType_->setEnabled(chosenDevice().compare(QStringLiteral("TextFile"), Qt::CaseInsensitive) == 0);
}

bool PrintToFileSetupDialog::edit(DesignerController& designer, DesignerDialogs& dialogs, QWidget* parent) {
    PrintToFileSetupDialog dialog(designer, dialogs, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString PrintToFileSetupDialog::chosenDevice() const {
    return device_->currentData().toString();
}

bool PrintToFileSetupDialog::archiveChosen() const {
    return chosenDevice().compare(kArchiveDevice, Qt::CaseInsensitive) == 0;
}

void PrintToFileSetupDialog::deviceChosen() {
    (archiveShown_ ? archiveFileName_ : textFileName_) = fileName_->text();
    archiveShown_ = archiveChosen();
    fileName_->setText(archiveShown_ ? archiveFileName_ : textFileName_);
    // Only the data export has a record format.
    textFileType_->setEnabled(chosenDevice().compare(QStringLiteral("TextFile"), Qt::CaseInsensitive) == 0);
}

void PrintToFileSetupDialog::browse() {
    const FileDeviceTraits* traits = DeviceClasses::instance().FileTraits(chosenDevice());
    QString chosen = dialogs_.saveFileName(traits ? traits->FileFilter : QString(), fileName_->text());
    if (chosen.isEmpty())
        return;
    if (traits && !traits->DefaultExt.isEmpty() &&
        !chosen.section(QLatin1Char('/'), -1).contains(QLatin1Char('.')))
        chosen += QLatin1Char('.') + traits->DefaultExt;
    fileName_->setText(chosen);
}

void PrintToFileSetupDialog::accept() {
    (archiveShown_ ? archiveFileName_ : textFileName_) = fileName_->text().trimmed();
    const QString device = chosenDevice();
    if (printToFile_->isChecked() && fileName_->text().trimmed().isEmpty()) {
        dialogs_.showMessage(QStringLiteral("Choose the file to print to."));
        return;
    }
    TppCustomReport& report = designer_.report();
    QString deviceType = report.DeviceType();
    if (printToFile_->isChecked())
        deviceType = device;
    else if (isFileDevice(deviceType))
        // No longer to a file: back to the preview the report starts with.
        deviceType = kScreenDevice;
    const QList<std::pair<QString, QVariant>> settings = {
        {QStringLiteral("DeviceType"), deviceType},
        {QStringLiteral("TextFileName"), textFileName_},
        {QStringLiteral("ArchiveFileName"), archiveFileName_},
        {QStringLiteral("TextFileType"), textFileType_->currentData().toInt()},
        {QStringLiteral("AllowPrintToFile"), allowPrintToFile_->isChecked()}};
    QList<std::pair<QString, QVariant>> changes;
    for (const auto& setting : settings)
        if (PropertyCommand::read(report, setting.first) != setting.second)
            changes << setting;
    if (!changes.isEmpty()) {
        QUndoStack& undo = designer_.undoStack();
        undo.beginMacro(QStringLiteral("Print to File Setup"));
        QString error;
        try {
            for (const auto& [path, value] : changes)
                designer_.setProperty(report, path, value);
        } catch (const std::exception& refused) {
            error = QString::fromUtf8(refused.what());
        }
        undo.endMacro();
        if (!error.isEmpty()) {
            // Nothing of a refused setup stays half applied, nor waits to be redone.
            const_cast<QUndoCommand*>(undo.command(undo.index() - 1))->setObsolete(true);
            undo.undo();
            dialogs_.showMessage(error);
            return;
        }
    }
    QDialog::accept();
}
