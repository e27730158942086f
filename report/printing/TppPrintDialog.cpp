#include "TppPrintDialog.h"

#include "DeviceClasses.h"
#include "PageList.h"
#include "Prompter.h"
#include "TppPrinter.h"
#include "TppPrinterList.h"
#include "TppResourceManager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtDebug>
#include <algorithm>

namespace {

QString withColon(int string) {
    return LanguageString(string) + u':';
}

// Three sheets in two stacks: collated stacks hold 1, 2, 3 each, uncollated
// ones the same number twice.
QPixmap collationPicture(bool collated) {
    QPixmap picture(102, 53);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    for (int stack = 0; stack < (collated ? 2 : 3); ++stack) {
        for (int sheet = 2; sheet >= 0; --sheet) {
            const int number = collated ? sheet + 1 : stack + 1;
            if (!collated && sheet == 2)
                continue;
            const QRect page(stack * (collated ? 50 : 34) + sheet * 7, 2 + sheet * 7, 24, 32);
            painter.fillRect(page, Qt::white);
            painter.drawRect(page);
            painter.drawText(page.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignBottom,
                             QString::number(number));
        }
    }
    return picture;
}

} // namespace

TppPrintDialog::TppPrintDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(LanguageString(kMsgPrint));
    scriptForm_.follow(*this);
    auto* layout = new QVBoxLayout(this);

    auto* printerGroup = new QGroupBox(LanguageString(kMsgPrinter), this);
    auto* printerGrid = new QGridLayout(printerGroup);
    auto* nameLabel = new QLabel(withColon(1010), printerGroup);
    printers_ = new QComboBox(printerGroup);
    nameLabel->setBuddy(printers_);
    properties_ = new QPushButton(LanguageString(kMsgProperties), printerGroup);
    noPrinters_ = new QLabel(LanguageString(kMsgNoPrinters), printerGroup);
    noPrinters_->hide();
    printerType_ = new QLabel(printerGroup);
    printerWhere_ = new QLabel(printerGroup);
    printerGrid->addWidget(nameLabel, 0, 0);
    printerGrid->addWidget(printers_, 0, 1);
    printerGrid->addWidget(noPrinters_, 0, 1);
    printerGrid->addWidget(properties_, 0, 2);
    printerGrid->addWidget(new QLabel(withColon(1011), printerGroup), 1, 0);
    printerGrid->addWidget(printerType_, 1, 1, 1, 2);
    printerGrid->addWidget(new QLabel(withColon(1012), printerGroup), 2, 0);
    printerGrid->addWidget(printerWhere_, 2, 1, 1, 2);
    printerGrid->setColumnStretch(1, 1);
    layout->addWidget(printerGroup);

    auto* middle = new QHBoxLayout();
    auto* rangeGroup = new QGroupBox(LanguageString(kMsgPageRange), this);
    auto* rangeLayout = new QVBoxLayout(rangeGroup);
    all_ = new QRadioButton(LanguageString(kMsgAll), rangeGroup);
    currentPage_ = new QRadioButton(LanguageString(kMsgCurrentPage), rangeGroup);
    pages_ = new QRadioButton(LanguageString(kMsgPages), rangeGroup);
    pageList_ = new QLineEdit(rangeGroup);
    auto* pagesRow = new QHBoxLayout();
    pagesRow->addWidget(pages_);
    pagesRow->addWidget(pageList_, 1);
    auto* hint = new QLabel(LanguageString(kMsgPageListHint), rangeGroup);
    hint->setWordWrap(true);
    pageRange_ = new QComboBox(rangeGroup);
    pageRange_->addItems(
        {LanguageString(kMsgAllPagesInRange), LanguageString(kMsgOddPages), LanguageString(kMsgEvenPages)});
    auto* printLabel = new QLabel(withColon(1016), rangeGroup);
    printLabel->setBuddy(pageRange_);
    auto* printRow = new QHBoxLayout();
    printRow->addWidget(printLabel);
    printRow->addWidget(pageRange_, 1);
    rangeLayout->addWidget(all_);
    rangeLayout->addWidget(currentPage_);
    rangeLayout->addLayout(pagesRow);
    rangeLayout->addWidget(hint);
    rangeLayout->addLayout(printRow);
    middle->addWidget(rangeGroup, 1);

    auto* copiesGroup = new QGroupBox(LanguageString(kMsgCopies), this);
    auto* copiesGrid = new QGridLayout(copiesGroup);
    auto* copiesLabel = new QLabel(withColon(1014), copiesGroup);
    copies_ = new QSpinBox(copiesGroup);
    // Three digits, from 1 to 999: the arrows stop at both ends.
    copies_->setRange(1, 999);
    copiesLabel->setBuddy(copies_);
    collate_ = new QCheckBox(LanguageString(kMsgCollate), copiesGroup);
    collatePicture_ = new QLabel(copiesGroup);
    collatePicture_->setFixedSize(102, 53);
    copiesGrid->addWidget(copiesLabel, 0, 0);
    copiesGrid->addWidget(copies_, 0, 1);
    copiesGrid->addWidget(collatePicture_, 1, 0);
    copiesGrid->addWidget(collate_, 1, 1);
    middle->addWidget(copiesGroup);
    layout->addLayout(middle);

    filePanel_ = new QGroupBox(this);
    auto* fileGrid = new QGridLayout(filePanel_);
    printToFile_ = new QCheckBox(LanguageString(kMsgPrintToFile), filePanel_);
    fileTypes_ = new QComboBox(filePanel_);
    fileName_ = new QLineEdit(filePanel_);
    browse_ = new QPushButton(QStringLiteral("..."), filePanel_);
    fileGrid->addWidget(printToFile_, 0, 0, 1, 3);
    fileGrid->addWidget(new QLabel(withColon(1011), filePanel_), 1, 0);
    fileGrid->addWidget(fileTypes_, 1, 1, 1, 2);
    fileGrid->addWidget(new QLabel(withColon(1012), filePanel_), 2, 0);
    fileGrid->addWidget(fileName_, 2, 1);
    fileGrid->addWidget(browse_, 2, 2);
    fileGrid->setColumnStretch(1, 1);
    layout->addWidget(filePanel_);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(LanguageString(kMsgOK), QDialogButtonBox::AcceptRole);
    ok_->setDefault(true);
    buttons->addButton(LanguageString(kMsgCancel), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TppPrintDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TppPrintDialog::reject);

    connect(printers_, &QComboBox::currentIndexChanged, this, &TppPrintDialog::choosePrinter);
    connect(properties_, &QPushButton::clicked, this, [this] {
        if (!Printer || !ShowPrinterProperties || !ShowPrinterProperties(this, *Printer))
            return;
        PropertiesChanged = true;
        showPrinterDetails();
    });
    const auto clearPages = [this](bool checked) {
        if (checked && !filling_)
            pageList_->clear();
    };
    connect(all_, &QRadioButton::toggled, this, clearPages);
    connect(currentPage_, &QRadioButton::toggled, this, clearPages);
    connect(pageList_, &QLineEdit::textEdited, this, [this] { pages_->setChecked(true); });
    connect(pageList_, &QLineEdit::selectionChanged, this, [this] {
        if (!filling_ && pageList_->hasFocus())
            pages_->setChecked(true);
    });
    connect(pageRange_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_)
            PageRequest.PageRange = TppPageRangeType(std::clamp(index, 0, 2));
    });
    connect(collate_, &QCheckBox::toggled, this, [this](bool checked) {
        if (!filling_)
            changeSetup([checked](TppPrinterSetup& setup) { setup.SetCollation(checked); });
        showCollation();
    });
    connect(printToFile_, &QCheckBox::toggled, this, &TppPrintDialog::fileOutputChanged);
    connect(fileTypes_, &QComboBox::currentIndexChanged, this, &TppPrintDialog::fileOutputChanged);
    connect(fileName_, &QLineEdit::textEdited, this,
            [this](const QString& text) { selectedFileName() = text; });
    connect(browse_, &QPushButton::clicked, this, &TppPrintDialog::browse);

    ChooseFileName = [](QWidget* parent, const QString& fileName, const QString& defaultExt,
                        const QString& filter) {
        QFileDialog dialog(parent, QString(), QFileInfo(fileName).path(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultExt);
        dialog.selectFile(fileName);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().first()
                   : QString();
    };
}

template <class F> void TppPrintDialog::changeSetup(F change) {
    if (!Printer)
        return;
    TppPrinterSetup setup(Printer->PrinterSetup());
    change(setup);
    Printer->ApplySetup(setup);
}

void TppPrintDialog::Show() {
    fill();
    show();
}

bool TppPrintDialog::ShowModal() {
    fill();
    return exec() == QDialog::Accepted;
}

void TppPrintDialog::Close() {
    if (isVisible())
        reject();
}

void TppPrintDialog::fill() {
    filling_ = true;
    ApplyIcon(*this);
    PageRequest.PageRequested = CurrentPage;
    fillPrinters();

    pageList_->clear();
    switch (PageRequest.PageSetting) {
    case psPageList:
        pages_->setChecked(true);
        pageList_->setText(PageRequest.PageList.join(u','));
        break;
    case psSinglePage:
        currentPage_->setChecked(true);
        break;
    case psPageRange:
        pages_->setChecked(true);
        pageList_->setText(PageRequest.PageList.join(u'-'));
        break;
    default:
        all_->setChecked(true);
        break;
    }
    pageRange_->setCurrentIndex(PageRequest.PageRange);
    if (Printer) {
        copies_->setValue(Printer->PrinterSetup().Copies());
        collate_->setChecked(Printer->PrinterSetup().Collation());
    }
    showCollation();
    fillFileTypes();
    filling_ = false;
    fileOutputChanged();
}

void TppPrintDialog::fillPrinters() {
    printers_->clear();
    QStringList names = TppPrinterList::instance().PrinterNames();
    names.removeAll(QStringLiteral("Screen"));
    names.removeAll(QStringLiteral("Default"));
    hasPrinters_ = !names.isEmpty();
    names.sort(Qt::CaseInsensitive);
    names.prepend(QStringLiteral("Default"));
    printers_->addItems(names);
    printers_->setVisible(hasPrinters_);
    properties_->setVisible(hasPrinters_);
    noPrinters_->setVisible(!hasPrinters_);
    if (!Printer)
        return;
    const int at = printers_->findText(Printer->PrinterSetup().PrinterName());
    if (at < 0) {
        printers_->setCurrentIndex(0);
        changeSetup([this](TppPrinterSetup& setup) { setup.SetPrinterName(printers_->itemText(0)); });
    } else {
        printers_->setCurrentIndex(at);
    }
    showPrinterDetails();
}

void TppPrintDialog::showPrinterDetails() {
    const bool known = Printer && hasPrinters_;
    printerType_->setText(known ? Printer->PrinterInfo().driver() : QString());
    printerWhere_->setText(known ? Printer->PrinterInfo().port() : QString());
}

void TppPrintDialog::choosePrinter(int index) {
    if (filling_ || index < 0)
        return;
    changeSetup([this, index](TppPrinterSetup& setup) { setup.SetPrinterName(printers_->itemText(index)); });
    showPrinterDetails();
}

void TppPrintDialog::showCollation() {
    collatePicture_->setPixmap(collationPicture(collate_->isChecked()));
}

void TppPrintDialog::fillFileTypes() {
    fileTypes_->clear();
    DeviceClasses& devices = DeviceClasses::instance();
    for (const QString& name : devices.FileDeviceNames()) {
        const ClassInfo* info = devices.Find(name);
        const bool archive = info && info->inheritsFrom(QStringLiteral("TppArchiveDevice"));
        if (archive ? !AllowPrintToArchive : !AllowPrintToFile)
            continue;
        const FileDeviceTraits* traits = devices.FileTraits(name);
        fileTypes_->addItem(traits && traits->DeviceDescription ? traits->DeviceDescription() : name, name);
    }
    const bool offered = (AllowPrintToFile || AllowPrintToArchive) && fileTypes_->count() > 0;
    if (!offered) {
        if (filePanel_->isVisibleTo(this)) {
            const int height = filePanel_->sizeHint().height();
            filePanel_->hide();
            resize(width(), std::max(minimumSizeHint().height(), this->height() - height));
        }
        return;
    }
    filePanel_->show();
    const int chosen = fileTypes_->findData(DeviceType, Qt::UserRole, Qt::MatchFixedString);
    fileTypes_->setCurrentIndex(std::max(chosen, 0));
    printToFile_->setChecked(chosen >= 0);
}

QString TppPrintDialog::selectedFileDevice() const {
    return fileTypes_->currentData().toString();
}

bool TppPrintDialog::selectedIsArchive() const {
    const ClassInfo* info = DeviceClasses::instance().Find(selectedFileDevice());
    return info && info->inheritsFrom(QStringLiteral("TppArchiveDevice"));
}

QString& TppPrintDialog::selectedFileName() {
    return selectedIsArchive() ? ArchiveFileName : TextFileName;
}

void TppPrintDialog::fileOutputChanged() {
    if (filling_)
        return;
    const bool checked = printToFile_->isChecked();
    browse_->setEnabled(checked);
    fileTypes_->setEnabled(checked);
    fileName_->setEnabled(checked);
    if (fileTypes_->count() > 0)
        fileName_->setText(selectedFileName());
}

void TppPrintDialog::browse() {
    const FileDeviceTraits* traits = DeviceClasses::instance().FileTraits(selectedFileDevice());
    // Pairs of description and pattern, "Text files|*.TXT|All files|*.*",
    // become the save dialog's "Text files (*.TXT);;All files (*.*)".
    QStringList filters;
    const QStringList parts = traits ? traits->FileFilter.split(u'|') : QStringList();
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(u';', u' '));
    const QString chosen = ChooseFileName(this, selectedFileName(), traits ? traits->DefaultExt : QString(),
                                          filters.join(QStringLiteral(";;")));
    if (chosen.isEmpty())
        return;
    selectedFileName() = chosen;
    fileName_->setText(chosen);
}

void TppPrintDialog::tell(const QString& text) {
    if (MessagePrompter)
        MessagePrompter->showMessage(text);
    else
        qWarning().noquote() << text;
}

void TppPrintDialog::accept() {
    TppPageRequest request;
    request.Assign(PageRequest);
    if (pages_->isChecked()) {
        QStringList list;
        const bool parsed = ParsePageList(pageList_->text(), list, true);
        if (!parsed && !pageList_->text().trimmed().isEmpty()) {
            // Refused before any list is built: a page number past the
            // last possible page, or a range of more pages than any report prints.
            tell(QStringLiteral("The pages \"%1\" cannot be printed: page numbers go up to %2, and a list "
                                "names at most %3 pages.")
                     .arg(pageList_->text().trimmed())
                     .arg(kMaxPageNumber)
                     .arg(kMaxPageListEntries));
            return;
        }
        if (list.isEmpty()) {
            tell(LanguageString(kMsgNoPagesEntered));
            return;
        }
        request.PageList = list;
        request.PageSetting = psPageList;
    }
    const bool toFile = filePanel_->isVisibleTo(this) && printToFile_->isChecked() && fileTypes_->count() > 0;
    // The file name is asked for whichever pages are chosen.
    if (toFile && fileName_->text().trimmed().isEmpty()) {
        tell(LanguageString(kMsgFileNameNeeded));
        return;
    }
    if (!toFile && Printer && !Printer->HasUsableContext()) {
        tell(LanguageString(hasPrinters_ ? 459 : 8));
        return;
    }

    if (currentPage_->isChecked()) {
        request.PageSetting = psSinglePage;
        request.PageRequested = CurrentPage;
    } else if (all_->isChecked()) {
        request.PageSetting = psAll;
        request.PageList.clear();
    }
    changeSetup([this](TppPrinterSetup& setup) { setup.SetCopies(copies_->value()); });
    PrintToFile = PrintToArchive = false;
    if (toFile) {
        const FileDeviceTraits* traits = DeviceClasses::instance().FileTraits(selectedFileDevice());
        QString name = fileName_->text().trimmed();
        const QString ext = traits ? traits->DefaultExt : QString();
        if (!ext.isEmpty() && QFileInfo(name).suffix().isEmpty())
            name += name.endsWith(u'.') ? ext : u'.' + ext;
        selectedFileName() = name;
        fileName_->setText(name);
        DeviceType = selectedFileDevice();
        FileDeviceName = DeviceType;
        (selectedIsArchive() ? PrintToArchive : PrintToFile) = true;
    }
    PageRequest.Assign(request);
    QDialog::accept();
}
