#include "TppGroupDialog.h"

#include "DesignerController.h"
#include "DesignerDialogs.h"
#include "DesignerSettings.h"
#include "TppBand.h"
#include "TppComponent.h"
#include "TppCustomReport.h"
#include "TppDataPipeline.h"
#include "TppDetailBand.h"
#include "TppGroup.h"
#include "Units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kSection = QStringLiteral("GroupDialog");

void addFieldsOf(TppDataPipeline* pipeline, QList<QStringList>& into) {
    if (!pipeline)
        return;
    QStringList names;
    pipeline->GetFieldNames(names);
    const QString user = pipeline->UserName().isEmpty() ? pipeline->Name() : pipeline->UserName();
    for (const QString& name : names)
        into << QStringList{name, pipeline->Name(), user + QLatin1Char('.') + pipeline->GetFieldAlias(name)};
}

// Sets a box without the slots that answer the user.
void setQuietly(QCheckBox& box, bool checked) {
    const QSignalBlocker blocker(box);
    box.setChecked(checked);
}

} // namespace

TppGroupDialog::TppGroupDialog(DesignerController& designer, DesignerDialogs& dialogs, QWidget* parent)
    : QDialog(parent), designer_(designer), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("Groups"));
    buildControls();
    collectChoices();
    for (const TppGroup* group : designer_.report().Groups()) {
        entries_ << TppGroupOptions::of(*group);
        ids_ << nextId_++;
    }
    // One column: nothing of columns to set.
    if (designer_.report().Columns() <= 1) {
        columnControls_->hide();
        reprintOnColumn_->hide();
        adjustSize();
    }
    renumber();
    if (entries_.isEmpty()) {
        const bool data = !dataFields_.isEmpty();
        const bool custom = !customFields_.isEmpty();
        dataField_->setEnabled(data);
        customField_->setEnabled(custom);
        {
            const QSignalBlocker blockData(dataField_);
            const QSignalBlocker blockCustom(customField_);
            (data || !custom ? dataField_ : customField_)->setChecked(true);
        }
        fillBreakList(data || !custom ? btDataField : btCustomField);
        add_->setEnabled(data || custom);
        delete_->setEnabled(false);
        insert_->setEnabled(false);
        setQuietly(*reprintOnPage_, true);
        setQuietly(*reprintOnColumn_, true);
        setOptionsEnabled(false);
    } else {
        dataField_->setEnabled(!dataFields_.isEmpty());
        customField_->setEnabled(!customFields_.isEmpty());
        selectEntry(0);
    }
}

void TppGroupDialog::buildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* listBox = new QVBoxLayout;
    listBox->addWidget(new QLabel(QStringLiteral("Groups"), this));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("GroupList"));
    list_->setDragDropMode(QAbstractItemView::InternalMove);
    list_->setDefaultDropAction(Qt::MoveAction);
    listBox->addWidget(list_);
    top->addLayout(listBox, 1);
    auto* buttons = new QVBoxLayout;
    add_ = new QPushButton(QStringLiteral("&Add"), this);
    insert_ = new QPushButton(QStringLiteral("&Insert"), this);
    delete_ = new QPushButton(QStringLiteral("&Delete"), this);
    for (QPushButton* button : {add_, insert_, delete_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    top->addLayout(buttons);
    layout->addLayout(top);

    breakOn_ = new QGroupBox(QStringLiteral("Break On"), this);
    auto* breakLayout = new QGridLayout(breakOn_);
    dataField_ = new QRadioButton(QStringLiteral("Data Field"), breakOn_);
    customField_ = new QRadioButton(QStringLiteral("Custom Field"), breakOn_);
    breakList_ = new QComboBox(breakOn_);
    breakLayout->addWidget(dataField_, 0, 0);
    breakLayout->addWidget(customField_, 0, 1);
    breakLayout->addWidget(breakList_, 1, 0, 1, 2);
    layout->addWidget(breakOn_);

    onChange_ = new QGroupBox(QStringLiteral("On Group Change"), this);
    auto* changeLayout = new QGridLayout(onChange_);
    newPage_ = new QCheckBox(QStringLiteral("Start new page"), onChange_);
    resetPageNo_ = new QCheckBox(QStringLiteral("Reset page number"), onChange_);
    newPageThreshold_ = new QLineEdit(onChange_);
    changeLayout->addWidget(newPage_, 0, 0);
    changeLayout->addWidget(resetPageNo_, 1, 0);
    changeLayout->addWidget(new QLabel(QStringLiteral("New page when less than"), onChange_), 2, 0);
    changeLayout->addWidget(newPageThreshold_, 2, 1);
    columnControls_ = new QWidget(onChange_);
    auto* columnLayout = new QGridLayout(columnControls_);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    newColumn_ = new QCheckBox(QStringLiteral("Start new column"), columnControls_);
    newColumnThreshold_ = new QLineEdit(columnControls_);
    columnLayout->addWidget(newColumn_, 0, 0);
    columnLayout->addWidget(new QLabel(QStringLiteral("New column when less than"), columnControls_), 1, 0);
    columnLayout->addWidget(newColumnThreshold_, 1, 1);
    changeLayout->addWidget(columnControls_, 3, 0, 1, 2);
    layout->addWidget(onChange_);

    keepTogether_ = new QCheckBox(QStringLiteral("Keep group together"), this);
    reprintOnPage_ = new QCheckBox(QStringLiteral("Reprint group headers on subsequent pages"), this);
    reprintOnColumn_ = new QCheckBox(QStringLiteral("Reprint group headers on subsequent columns"), this);
    layout->addWidget(keepTogether_);
    layout->addWidget(reprintOnPage_);
    layout->addWidget(reprintOnColumn_);

    auto* box = new QDialogButtonBox(this);
    box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::accepted, this, &TppGroupDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &TppGroupDialog::reject);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_ && row >= 0)
            showEntry(row);
    });
    connect(list_->model(), &QAbstractItemModel::rowsMoved, this, &TppGroupDialog::rowsMoved);
    connect(add_, &QPushButton::clicked, this, [this] { addEntry(false); });
    connect(insert_, &QPushButton::clicked, this, [this] { addEntry(true); });
    connect(delete_, &QPushButton::clicked, this, &TppGroupDialog::deleteEntry);
    connect(dataField_, &QRadioButton::clicked, this, [this] { breakTypeChosen(btDataField); });
    connect(customField_, &QRadioButton::clicked, this, [this] { breakTypeChosen(btCustomField); });
    connect(breakList_, &QComboBox::activated, this, &TppGroupDialog::breakChosen);
    connect(newPage_, &QCheckBox::toggled, this, &TppGroupDialog::newPageToggled);
    connect(newColumn_, &QCheckBox::toggled, this, &TppGroupDialog::newColumnToggled);
    connect(keepTogether_, &QCheckBox::toggled, this, &TppGroupDialog::keepTogetherToggled);
    connect(resetPageNo_, &QCheckBox::toggled, this, [this](bool on) {
        if (TppGroupOptions* entry = current())
            entry->resetPageNo = on;
    });
    connect(reprintOnPage_, &QCheckBox::toggled, this, [this](bool on) {
        if (TppGroupOptions* entry = current())
            entry->reprintOnSubsequentPage = on;
    });
    connect(reprintOnColumn_, &QCheckBox::toggled, this, [this](bool on) {
        if (TppGroupOptions* entry = current())
            entry->reprintOnSubsequentColumn = on;
    });
    // Only what the user types is checked: text the dialog writes itself
    // (textChanged) would check again what it just restored.
    connect(newPageThreshold_, &QLineEdit::textEdited, this,
            [this] { thresholdEdited(*newPageThreshold_, &TppGroupOptions::mmNewPageThreshold); });
    connect(newColumnThreshold_, &QLineEdit::textEdited, this,
            [this] { thresholdEdited(*newColumnThreshold_, &TppGroupOptions::mmNewColumnThreshold); });
}

void TppGroupDialog::collectChoices() {
    TppCustomReport& report = designer_.report();
    QList<QStringList> fields;
    addFieldsOf(report.DataPipeline(), fields);
    for (const TppBand* band : report.Bands())
        if (const auto* detail = dynamic_cast<const TppDetailBand*>(band);
            detail && detail->OwnDataPipeline() && detail->OwnDataPipeline() != report.DataPipeline())
            addFieldsOf(detail->OwnDataPipeline(), fields);
    for (const QStringList& field : fields)
        dataFields_ << BreakChoice{field.at(0), field.at(1), field.at(2)};
    for (const TppBand* band : report.Bands())
        for (const TppComponent* component : band->Objects())
            if (component->IsTextComponent())
                customFields_ << BreakChoice{component->Name(), QString(),
                                             component->UserName().isEmpty() ? component->Name()
                                                                             : component->UserName()};
}

const QList<TppGroupDialog::BreakChoice>& TppGroupDialog::choices(TppBreakType type) const {
    return type == btCustomField ? customFields_ : dataFields_;
}

QString TppGroupDialog::entryText(int index) const {
    const TppGroupOptions& entry = entries_.at(index);
    QString description = entry.breakName;
    if (entry.breakType == btCustomField) {
        for (const BreakChoice& choice : customFields_)
            if (choice.name.compare(entry.breakName, Qt::CaseInsensitive) == 0) {
                description = choice.description;
                break;
            }
    } else {
        const BreakChoice* byName = nullptr;
        const BreakChoice* exact = nullptr;
        for (const BreakChoice& choice : dataFields_)
            if (choice.name.compare(entry.breakName, Qt::CaseInsensitive) == 0) {
                byName = byName ? byName : &choice;
                if (choice.pipeline == entry.pipeline && !exact)
                    exact = &choice;
            }
        if (exact)
            description = exact->description;
        else if (byName)
            description = byName->description;
    }
    return QStringLiteral("Group[%1]:").arg(index) + description;
}

void TppGroupDialog::renumber() {
    filling_ = true;
    const int row = list_->currentRow();
    list_->clear();
    for (int index = 0; index < entries_.size(); ++index) {
        auto* item = new QListWidgetItem(entryText(index), list_);
        item->setData(Qt::UserRole, ids_.at(index));
    }
    list_->setCurrentRow(row < entries_.size() ? row : int(entries_.size()) - 1);
    filling_ = false;
}

int TppGroupDialog::currentEntry() const {
    return list_->currentRow();
}

TppGroupOptions* TppGroupDialog::current() {
    const int row = list_->currentRow();
    return filling_ || row < 0 || row >= entries_.size() ? nullptr : &entries_[row];
}

void TppGroupDialog::selectEntry(int index) {
    if (index < 0 || index >= entries_.size())
        return;
    filling_ = true;
    list_->setCurrentRow(index);
    filling_ = false;
    showEntry(index);
}

void TppGroupDialog::fillBreakList(TppBreakType type) {
    breakList_->clear();
    for (const BreakChoice& choice : choices(type))
        breakList_->addItem(choice.description);
    breakList_->setCurrentIndex(breakList_->count() > 0 ? 0 : -1);
}

QString TppGroupDialog::thresholdText(int mm) const {
    return QString::number(double(UnitsFromMM(mm, designer_.report().Units(), Axis::Vertical)), 'g', 7);
}

void TppGroupDialog::setOptionsEnabled(bool enabled) {
    onChange_->setEnabled(enabled);
    keepTogether_->setEnabled(enabled);
    reprintOnPage_->setEnabled(enabled);
    reprintOnColumn_->setEnabled(enabled);
    breakList_->setEnabled(enabled || entries_.isEmpty());
}

void TppGroupDialog::showEntry(int index) {
    if (index < 0 || index >= entries_.size())
        return;
    filling_ = true;
    const TppGroupOptions& entry = entries_.at(index);
    setOptionsEnabled(true);
    {
        const QSignalBlocker blockData(dataField_);
        const QSignalBlocker blockCustom(customField_);
        (entry.breakType == btCustomField ? customField_ : dataField_)->setChecked(true);
    }
    fillBreakList(entry.breakType);
    int chosen = -1;
    const QList<BreakChoice>& listed = choices(entry.breakType);
    for (int item = 0; item < listed.size() && chosen < 0; ++item)
        if (listed.at(item).name.compare(entry.breakName, Qt::CaseInsensitive) == 0 &&
            (entry.breakType == btCustomField || listed.at(item).pipeline == entry.pipeline))
            chosen = item;
    breakList_->setCurrentIndex(chosen);
    setQuietly(*newPage_, entry.newPage);
    setQuietly(*resetPageNo_, entry.resetPageNo);
    setQuietly(*newColumn_, entry.newColumn);
    // Keeping together cannot go with a break to a new page or column: the
    // box follows that rule whichever way the entry was reached.
    const bool canKeep = !entry.newPage && !entry.newColumn;
    setQuietly(*keepTogether_, canKeep && entry.keepTogether);
    keepTogether_->setEnabled(canKeep);
    setQuietly(*reprintOnPage_, entry.reprintOnSubsequentPage);
    setQuietly(*reprintOnColumn_, entry.reprintOnSubsequentColumn);
    newPageThreshold_->setText(thresholdText(entry.mmNewPageThreshold));
    newColumnThreshold_->setText(thresholdText(entry.mmNewColumnThreshold));
    newPageThreshold_->setEnabled(!entry.newPage);
    newColumnThreshold_->setEnabled(!entry.newColumn);
    resetPageNo_->setEnabled(entry.newPage);
    add_->setEnabled(true);
    insert_->setEnabled(true);
    delete_->setEnabled(true);
    filling_ = false;
}

void TppGroupDialog::addEntry(bool insert) {
    setOptionsEnabled(true);
    const TppBreakType type = customField_->isChecked() ? btCustomField : btDataField;
    const QList<BreakChoice>& listed = choices(type);
    if (listed.isEmpty()) {
        dialogs_.showMessage(type == btDataField
                                 ? QStringLiteral("There are no data fields on which to group.")
                                 : QStringLiteral("There are no custom fields on which to group."));
        if (entries_.isEmpty())
            setOptionsEnabled(false);
        return;
    }
    const BreakChoice& choice = listed.value(std::max(0, breakList_->currentIndex()));
    TppGroupOptions entry;
    entry.breakType = type;
    entry.breakName = choice.name;
    entry.pipeline = choice.pipeline;
    const int row = list_->currentRow();
    const int at = insert && row >= 0 ? row : int(entries_.size());
    entries_.insert(at, entry);
    ids_.insert(at, nextId_++);
    renumber();
    selectEntry(at);
}

void TppGroupDialog::deleteEntry() {
    const int row = list_->currentRow();
    if (row < 0 || row >= entries_.size())
        return;
    entries_.removeAt(row);
    ids_.removeAt(row);
    renumber();
    if (entries_.isEmpty()) {
        setOptionsEnabled(false);
        delete_->setEnabled(false);
        insert_->setEnabled(false);
        return;
    }
    selectEntry(std::min(row, int(entries_.size()) - 1));
}

void TppGroupDialog::breakTypeChosen(TppBreakType type) {
    fillBreakList(type);
    TppGroupOptions* entry = current();
    if (!entry || entry->breakType == type)
        return;
    entry->breakType = type;
    const BreakChoice choice = choices(type).value(0);
    entry->breakName = choice.name;
    entry->pipeline = choice.pipeline;
    list_->currentItem()->setText(entryText(list_->currentRow()));
}

void TppGroupDialog::breakChosen(int index) {
    TppGroupOptions* entry = current();
    const TppBreakType type = customField_->isChecked() ? btCustomField : btDataField;
    if (!entry || index < 0 || index >= choices(type).size())
        return;
    const BreakChoice& choice = choices(type).at(index);
    entry->breakType = type;
    entry->breakName = choice.name;
    entry->pipeline = choice.pipeline;
    list_->currentItem()->setText(entryText(list_->currentRow()));
}

void TppGroupDialog::newPageToggled(bool on) {
    TppGroupOptions* entry = current();
    if (!entry)
        return;
    entry->newPage = on;
    resetPageNo_->setEnabled(on);
    if (on) {
        setQuietly(*keepTogether_, false);
        keepTogether_->setEnabled(false);
        entry->mmNewPageThreshold = 0;
        newPageThreshold_->setText(thresholdText(0));
    } else {
        setQuietly(*resetPageNo_, false);
        entry->resetPageNo = false;
        if (!newColumn_->isChecked()) {
            keepTogether_->setEnabled(true);
            setQuietly(*keepTogether_, entry->keepTogether);
        }
    }
    newPageThreshold_->setEnabled(!on);
}

void TppGroupDialog::newColumnToggled(bool on) {
    TppGroupOptions* entry = current();
    if (!entry)
        return;
    entry->newColumn = on;
    if (on) {
        setQuietly(*keepTogether_, false);
        keepTogether_->setEnabled(false);
        entry->mmNewColumnThreshold = 0;
        newColumnThreshold_->setText(thresholdText(0));
    } else if (!newPage_->isChecked()) {
        keepTogether_->setEnabled(true);
        setQuietly(*keepTogether_, entry->keepTogether);
    }
    newColumnThreshold_->setEnabled(!on);
}

void TppGroupDialog::keepTogetherToggled(bool on) {
    TppGroupOptions* entry = current();
    if (!entry)
        return;
    entry->keepTogether = on;
    // An outer group kept together around an inner one kept together
    // would ask for the same thing twice: the outer ones give way.
    if (on)
        for (int index = 0; index < list_->currentRow(); ++index)
            entries_[index].keepTogether = false;
}

void TppGroupDialog::thresholdEdited(QLineEdit& edit, int TppGroupOptions::*value) {
    TppGroupOptions* entry = current();
    if (!entry)
        return;
    bool ok = false;
    double number = edit.text().trimmed().toDouble(&ok);
    if (!ok)
        number = QLocale().toDouble(edit.text().trimmed(), &ok);
    if (!ok) {
        dialogs_.showMessage(QStringLiteral("Invalid Number."));
        edit.setText(thresholdText(entry->*value));
        edit.selectAll();
        return;
    }
    entry->*value = UnitsToMM(float(number), designer_.report().Units(), Axis::Vertical);
}

void TppGroupDialog::rowsMoved() {
    QList<TppGroupOptions> reordered;
    QList<int> ids;
    for (int row = 0; row < list_->count(); ++row) {
        const int id = list_->item(row)->data(Qt::UserRole).toInt();
        const qsizetype at = ids_.indexOf(id);
        if (at < 0)
            return;
        reordered << entries_.at(at);
        ids << id;
    }
    const int movedId = list_->currentItem() ? list_->currentItem()->data(Qt::UserRole).toInt() : -1;
    entries_ = reordered;
    ids_ = ids;
    QMetaObject::invokeMethod(
        this,
        [this, movedId] {
            renumber();
            selectEntry(int(ids_.indexOf(movedId)));
        },
        Qt::QueuedConnection);
}

void TppGroupDialog::accept() {
    try {
        applyGroupOptions(designer_, entries_);
    } catch (const std::exception& error) {
        dialogs_.showMessage(QString::fromUtf8(error.what()));
        return;
    }
    QDialog::accept();
}

void TppGroupDialog::readPosition(const DesignerSettingsStore& store) {
    bool ok[4] = {};
    const int top = store.read(kSection, QStringLiteral("FormTop")).value_or(QString()).toInt(&ok[0]);
    const int left = store.read(kSection, QStringLiteral("FormLeft")).value_or(QString()).toInt(&ok[1]);
    const int width = store.read(kSection, QStringLiteral("FormWidth")).value_or(QString()).toInt(&ok[2]);
    const int height = store.read(kSection, QStringLiteral("FormHeight")).value_or(QString()).toInt(&ok[3]);
    if (ok[0] && ok[1] && ok[2] && ok[3] && width > 0 && height > 0)
        setGeometry(left, top, width, height);
}

void TppGroupDialog::writePosition(DesignerSettingsStore& store) const {
    store.write(kSection, QStringLiteral("FormTop"), QString::number(geometry().top()));
    store.write(kSection, QStringLiteral("FormLeft"), QString::number(geometry().left()));
    store.write(kSection, QStringLiteral("FormWidth"), QString::number(geometry().width()));
    store.write(kSection, QStringLiteral("FormHeight"), QString::number(geometry().height()));
}
