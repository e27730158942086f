#include "LabelWizardDialog.h"

#include "LabelReport.h"
#include "LabelSheetPreview.h"
#include "LayoutOwner.h"
#include "TppDetailBand.h"
#include "TppReport.h"
#include "TppResourceManager.h"
#include "TppShape.h"
#include "WizardStrings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString unitSuffix(TppUnitType units) {
    switch (units) {
    case utInches:
        return QStringLiteral("\"");
    case utMillimeters:
        return QStringLiteral("mm");
    default:
        return QString();
    }
}

QString general(double value) {
    return QString::number(value, 'g', 7);
}

QLabel* infoLabel(QFormLayout* form, const QString& caption, const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    form->addRow(caption, label);
    return label;
}

} // namespace

LabelWizardDialog::LabelWizardDialog(QWidget* parent)
    : QDialog(parent), form_(std::make_unique<OwnedComponent>()) {
    setWindowTitle(LanguageString(kMsgLabelTemplates));
    preview_ = new TppReport(form_.get());
    preview_->SetName(QStringLiteral("LabelPreview"));
    auto* detail = newLayoutObject<TppDetailBand>(*preview_);
    detail->SetReport(preview_);
    auto* shape = newLayoutObject<TppShape>(*preview_);
    shape->SetBand(detail);

    auto* layout = new QVBoxLayout(this);
    auto* page = new QGroupBox(QStringLiteral("Label Selection"), this);
    auto* columns = new QHBoxLayout(page);
    auto* choices = new QVBoxLayout;
    auto* kinds = new QGroupBox(QStringLiteral("Printer"), page);
    auto* kindColumn = new QVBoxLayout(kinds);
    laser_ = new QRadioButton(QStringLiteral("Laser and ink jet"), kinds);
    laser_->setObjectName(QStringLiteral("laserJet"));
    dotMatrix_ = new QRadioButton(QStringLiteral("Dot matrix"), kinds);
    dotMatrix_->setObjectName(QStringLiteral("dotMatrix"));
    kindColumn->addWidget(laser_);
    kindColumn->addWidget(dotMatrix_);
    choices->addWidget(kinds);
    choices->addWidget(new QLabel(QStringLiteral("Products"), page));
    products_ = new QComboBox(page);
    products_->setObjectName(QStringLiteral("products"));
    choices->addWidget(products_);
    labels_ = new QListWidget(page);
    labels_->setObjectName(QStringLiteral("labels"));
    choices->addWidget(labels_);
    columns->addLayout(choices);

    auto* facts = new QVBoxLayout;
    picture_ = new LabelSheetPreview(*preview_, page);
    facts->addWidget(picture_);
    auto* info = new QFormLayout;
    type_ = infoLabel(info, QStringLiteral("Type"), QStringLiteral("Type"), page);
    height_ = infoLabel(info, QStringLiteral("Height"), QStringLiteral("Height"), page);
    width_ = infoLabel(info, QStringLiteral("Width"), QStringLiteral("Width"), page);
    paper_ = infoLabel(info, QStringLiteral("Paper Size"), QStringLiteral("PaperSize"), page);
    trays_ = new QComboBox(page);
    trays_->setObjectName(QStringLiteral("paperTray"));
    info->addRow(QStringLiteral("Paper Tray"), trays_);
    facts->addLayout(info);
    columns->addLayout(facts);
    layout->addWidget(page);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(laser_, &QRadioButton::clicked, this, [this] { setPrinterKind(TppLabelPrinterKind::LaserJet); });
    connect(dotMatrix_, &QRadioButton::clicked, this,
            [this] { setPrinterKind(TppLabelPrinterKind::DotMatrix); });
    connect(products_, &QComboBox::currentIndexChanged, this, [this] {
        const TppLabelSet* set = currentSet();
        entries_ = set ? labelEntries(*set) : QList<TppLabelEntry>();
        labels_->clear();
        for (const TppLabelEntry& entry : entries_)
            labels_->addItem(entry.caption);
        setLabelRow(0);
    });
    connect(labels_, &QListWidget::currentRowChanged, this, [this] { labelChanged(); });

    const QStringList bins = preview_->PrinterSetup().BinNames();
    trays_->addItems(bins);
    int tray = 0;
    for (int index = 0; index < bins.size(); ++index)
        if (bins[index].contains(QLatin1String("Manual")))
            tray = index;
    trays_->setCurrentIndex(bins.isEmpty() ? -1 : tray);

    setPrinterKind(TppLabelPrinterKind::LaserJet);
}

LabelWizardDialog::~LabelWizardDialog() = default;

void LabelWizardDialog::setPrinterKind(TppLabelPrinterKind kind) {
    (kind == TppLabelPrinterKind::LaserJet ? laser_ : dotMatrix_)->setChecked(true);
    sets_ = labelSetsFor(kind);
    int standard = 0;
    {
        // Refilled without a label list for each set added; choosing one
        // below fills it once.
        const QSignalBlocker quiet(products_);
        products_->clear();
        for (int index = int(sets_.size()) - 1; index >= 0; --index)
            if (sets_[index]->SetName() == QLatin1String("Avery Standard"))
                standard = index;
        for (const TppLabelSet* set : sets_)
            products_->addItem(set->SetName());
        products_->setCurrentIndex(-1);
    }
    products_->setCurrentIndex(sets_.isEmpty() ? -1 : standard);
}

void LabelWizardDialog::setProduct(const QString& setName) {
    products_->setCurrentIndex(products_->findText(setName));
}

void LabelWizardDialog::setLabelRow(int row) {
    labels_->setCurrentRow(row < labels_->count() ? row : -1);
    labelChanged();
}

QStringList LabelWizardDialog::products() const {
    QStringList names;
    for (int index = 0; index < products_->count(); ++index)
        names << products_->itemText(index);
    return names;
}

QStringList LabelWizardDialog::labels() const {
    QStringList captions;
    for (int index = 0; index < labels_->count(); ++index)
        captions << labels_->item(index)->text();
    return captions;
}

QString LabelWizardDialog::binName() const {
    return trays_->currentText();
}

QString LabelWizardDialog::infoText(const QString& name) const {
    const auto* label = findChild<QLabel*>(name);
    return label ? label->text() : QString();
}

const TppLabelSet* LabelWizardDialog::currentSet() const {
    const int index = products_->currentIndex();
    return index >= 0 && index < sets_.size() ? sets_[index] : nullptr;
}

void LabelWizardDialog::labelChanged() {
    const int row = labels_->currentRow();
    const TppLabelSet* set = currentSet();
    selected_.reset();
    if (set && row >= 0 && row < entries_.size())
        selected_ = parseLabelDefinition(*set, entries_[row].index);
    if (!selected_) {
        for (QLabel* label : {type_, height_, width_, paper_})
            label->clear();
        picture_->update();
        return;
    }
    const TppLabelDefinition& label = *selected_;
    applyLabelDefinition(*preview_, label);
    TppBand* detail = preview_->GetBand(btDetail);
    if (!detail->Objects().isEmpty())
        detail->Objects().first()->SetBounds(0, 0, preview_->mmColumnWidth(), detail->mmHeight());
    const QString suffix = unitSuffix(label.units);
    type_->setText(label.labelType);
    height_->setText(general(label.labelHeight) + suffix);
    width_->setText(general(label.labelWidth) + suffix);
    const QString paperName = preview_->PrinterSetup().PaperName();
    paper_->setText(
        paperName == QLatin1String("Custom")
            ? QStringLiteral("(%1 x %2)").arg(general(label.paperWidth), general(label.paperHeight))
            : paperName);
    picture_->update();
}
