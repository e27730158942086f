#include "PageSetupDialog.h"

#include "DesignerController.h"
#include "DesignerDialogs.h"
#include "PageSetupCommand.h"
#include "TppCustomReport.h"
#include "TppResourceManager.h"
#include "Units.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QSpinBox>
#include <QUndoStack>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

namespace {

const QString kCustomPaper = QStringLiteral("Custom");
constexpr int kLongestLength = 100000000;

QString unitCaption(TppUnitType units) {
    switch (units) {
    case utScreenPixels:
        return QStringLiteral("screen pixels");
    case utInches:
        return QStringLiteral("inches");
    case utMillimeters:
        return QStringLiteral("millimeters");
    case utPrinterPixels:
        return QStringLiteral("printer pixels");
    case utMMThousandths:
        return QStringLiteral("thousandths of a millimeter");
    }
    return {};
}

// Figures are shown with the point; what the user's locale writes is read too.
std::optional<float> number(const QString& typed) {
    const QString text = typed.trimmed();
    bool ok = false;
    float value = QLocale::c().toFloat(text, &ok);
    if (!ok)
        value = QLocale().toFloat(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

PageSetupDialog::PageSetupDialog(DesignerController& designer, DesignerDialogs& dialogs, QWidget* parent)
    : QDialog(parent), designer_(designer), dialogs_(dialogs), setup_(designer.report().PrinterSetup()) {
    setObjectName(QStringLiteral("PageSetupDialog"));
    setWindowTitle(QStringLiteral("Page Setup"));
    buildControls();
    fill();
}

bool PageSetupDialog::edit(DesignerController& designer, DesignerDialogs& dialogs, QWidget* parent) {
    PageSetupDialog dialog(designer, dialogs, parent);
    return dialog.exec() == QDialog::Accepted;
}

void PageSetupDialog::buildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* paperGroup = new QGroupBox(QStringLiteral("Paper"), this);
    auto* paperForm = new QFormLayout(paperGroup);
    paper_ = new QComboBox(paperGroup);
    paper_->setObjectName(QStringLiteral("paperName"));
    paper_->addItems(setup_.PaperNames());
    if (paper_->findText(kCustomPaper) < 0)
        paper_->addItem(kCustomPaper);
    paperForm->addRow(QStringLiteral("&Name:"), paper_);
    width_ = new QLineEdit(paperGroup);
    width_->setObjectName(QStringLiteral("paperWidth"));
    paperForm->addRow(QStringLiteral("&Width:"), width_);
    height_ = new QLineEdit(paperGroup);
    height_->setObjectName(QStringLiteral("paperHeight"));
    paperForm->addRow(QStringLiteral("&Height:"), height_);
    auto* turn = new QHBoxLayout;
    portrait_ = new QRadioButton(QStringLiteral("&Portrait"), paperGroup);
    portrait_->setObjectName(QStringLiteral("portrait"));
    landscape_ = new QRadioButton(QStringLiteral("&Landscape"), paperGroup);
    landscape_->setObjectName(QStringLiteral("landscape"));
    turn->addWidget(portrait_);
    turn->addWidget(landscape_);
    paperForm->addRow(QStringLiteral("Orientation:"), turn);
    layout->addWidget(paperGroup);

    auto* marginGroup = new QGroupBox(QStringLiteral("Margins"), this);
    auto* marginForm = new QFormLayout(marginGroup);
    const std::array<const char*, 4> marginNames = {"Left", "Top", "Right", "Bottom"};
    for (std::size_t side = 0; side < margins_.size(); ++side) {
        margins_.at(side) = new QLineEdit(marginGroup);
        margins_.at(side)->setObjectName(QStringLiteral("margin") + QLatin1String(marginNames.at(side)));
        marginForm->addRow(QStringLiteral("&") + QLatin1String(marginNames.at(side)) + QLatin1Char(':'),
                           margins_.at(side));
    }
    layout->addWidget(marginGroup);

    auto* columnForm = new QFormLayout;
    columns_ = new QSpinBox(this);
    columns_->setObjectName(QStringLiteral("columns"));
    columns_->setRange(1, 99);
    columns_->setValue(designer_.report().Columns());
    columnForm->addRow(QStringLiteral("&Columns:"), columns_);
    layout->addLayout(columnForm);
    layout->addWidget(new QLabel(QStringLiteral("Sizes in %1.").arg(unitCaption(setup_.Units())), this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    using S = TppPrinterSetup;
    fields_ = {
        {width_, QStringLiteral("paper width"), &S::PaperWidth, &S::SetPaperWidth, true, {}},
        {height_, QStringLiteral("paper height"), &S::PaperHeight, &S::SetPaperHeight, true, {}},
        {margins_[Left], QStringLiteral("left margin"), &S::MarginLeft, &S::SetMarginLeft, false, {}},
        {margins_[Top], QStringLiteral("top margin"), &S::MarginTop, &S::SetMarginTop, false, {}},
        {margins_[Right], QStringLiteral("right margin"), &S::MarginRight, &S::SetMarginRight, false, {}},
        {margins_[Bottom],
         QStringLiteral("bottom margin"),
         &S::MarginBottom,
         &S::SetMarginBottom,
         false,
         {}}};

    connect(paper_, &QComboBox::textActivated, this, &PageSetupDialog::paperChosen);
    connect(portrait_, &QRadioButton::clicked, this, [this] { orientationChosen(poPortrait); });
    connect(landscape_, &QRadioButton::clicked, this, [this] { orientationChosen(poLandscape); });
    // A typed size is a paper of its own until OK finds out whether the printer lists it.
    for (QLineEdit* side : {width_, height_})
        connect(side, &QLineEdit::textEdited, this, [this] {
            if (!filling_)
                paper_->setCurrentText(kCustomPaper);
        });
}

QString PageSetupDialog::text(float value) const {
    const TppUnitType units = setup_.Units();
    const int decimals = units == utInches ? 3 : units == utMillimeters ? 1 : 0;
    return QString::number(double(value), 'f', decimals);
}

void PageSetupDialog::fill() {
    filling_ = true;
    const QString name = setup_.PaperName();
    if (paper_->findText(name) < 0)
        paper_->insertItem(paper_->count() - 1, name);
    paper_->setCurrentText(name);
    portrait_->setChecked(setup_.Orientation() == poPortrait);
    landscape_->setChecked(setup_.Orientation() == poLandscape);
    for (NumberField& field : fields_) {
        field.shown = text((setup_.*field.get)());
        field.edit->setText(field.shown);
    }
    filling_ = false;
}

bool PageSetupDialog::takeEdits(TppPrinterSetup& setup, QString& error) const {
    for (const NumberField& field : fields_) {
        if (field.edit->text() == field.shown)
            continue;
        const std::optional<float> value = number(field.edit->text());
        if (!value) {
            error = QStringLiteral("The %1 \"%2\" is not a number.")
                        .arg(field.name, field.edit->text().trimmed());
            return false;
        }
        if (field.paperSide && *value <= 0) {
            error = QStringLiteral("The %1 must be greater than 0.").arg(field.name);
            return false;
        }
        if (!field.paperSide && *value < 0) {
            error = QStringLiteral("The %1 cannot be negative.").arg(field.name);
            return false;
        }
        // Lengths are whole thousandths of a millimetre in 32 bits; no paper comes near 100 metres.
        if (*value > UnitsFromMM(kLongestLength, setup.Units())) {
            error = QStringLiteral("The %1 is too large.").arg(field.name);
            return false;
        }
        (setup.*field.set)(*value);
    }
    return true;
}

void PageSetupDialog::paperChosen(const QString& name) {
    // A listed paper brings its size; "Custom" keeps the figures to be typed.
    if (name == kCustomPaper)
        return;
    setup_.SetPaperName(name);
    fill();
}

void PageSetupDialog::orientationChosen(TPrinterOrientation orientation) {
    // Figures typed so far turn with the page; ones that mean nothing wait for OK to be refused.
    QString ignored;
    TppPrinterSetup edited(setup_);
    if (takeEdits(edited, ignored))
        setup_.Assign(edited);
    setup_.SetOrientation(orientation);
    fill();
}

void PageSetupDialog::accept() {
    TppPrinterSetup result(setup_);
    QString error;
    if (!takeEdits(result, error)) {
        dialogs_.showMessage(error);
        return;
    }
    if (result.PageDef().printableWidth() <= 0 || result.PageDef().printableHeight() <= 0) {
        dialogs_.showMessage(QStringLiteral("The margins leave no room to print on the paper."));
        return;
    }
    PageLayout before = PageSetupCommand::layoutOf(designer_);
    PageLayout after{result, columns_->value()};
    const bool same = after.setup.PageDef() == before.setup.PageDef() &&
                      after.setup.Orientation() == before.setup.Orientation() &&
                      after.setup.PaperName() == before.setup.PaperName() && after.columns == before.columns;
    if (!same) {
        const ControlsOutside outside = controlsOutside(designer_.report(), after);
        if (!outside.components.isEmpty() &&
            dialogs_.askYesNoCancel(LanguageString(outside.message)) != DesignerDialogs::Answer::Yes)
            return; // nothing changed: the setup stays open to be put right
        QUndoStack& undo = designer_.undoStack();
        undo.beginMacro(QStringLiteral("Page Setup"));
        designer_.removeComponents(QStringLiteral("Page Setup"), outside.components);
        QStringList created = PageSetupCommand::apply(designer_, after);
        // What the report made of it (a column count it clamps) is what redo puts back.
        after = PageSetupCommand::layoutOf(designer_);
        undo.push(new PageSetupCommand(designer_, std::move(before), std::move(after), std::move(created)));
        undo.endMacro();
    }
    QDialog::accept();
}
