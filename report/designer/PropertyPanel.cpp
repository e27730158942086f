#include "PropertyPanel.h"

#include "DesignerCommands.h"
#include "DesignerController.h"
#include "OwnedComponent.h"
#include "TppComponent.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

PropertyPanel::PropertyPanel(DesignerController& controller, QWidget* parent)
    : QTableWidget(0, 2, parent), controller_(controller) {
    setHorizontalHeaderLabels({QStringLiteral("Property"), QStringLiteral("Value")});
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTableWidget::cellChanged, this, &PropertyPanel::cellEdited);
}

void PropertyPanel::setObject(OwnedComponent* object) {
    object_ = object;
    objectName_ = object ? object->Name() : QString();
    refresh();
}

void PropertyPanel::refresh() {
    // The object may have been freed and read back by an undo: find it by name.
    if (!objectName_.isEmpty())
        object_ = controller_.findByName(objectName_);
    filling_ = true;
    clearContents();
    rows_ = object_ ? propertyRows(*object_, &controller_.scope()) : QList<PropertyRow>();
    setRowCount(int(rows_.size()));
    for (int index = 0; index < rows_.size(); ++index) {
        const PropertyRow& row = rows_.at(index);
        auto* name = new QTableWidgetItem(row.path);
        name->setFlags(Qt::ItemIsEnabled);
        QFont font = name->font();
        font.setBold(row.changed);
        name->setFont(font);
        setItem(index, 0, name);
        auto* value = new QTableWidgetItem(propertyText(row));
        value->setFont(font);
        const bool editable =
            !row.readOnly && row.kind != PropertyKind::Set && row.kind != PropertyKind::Reference;
        value->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                 : Qt::ItemIsEnabled);
        setItem(index, 1, value);
        const QString path = row.path;
        if (!row.readOnly && (row.kind == PropertyKind::Enumeration || row.kind == PropertyKind::Boolean ||
                              row.kind == PropertyKind::Reference)) {
            auto* choice = new QComboBox(this);
            if (row.kind == PropertyKind::Boolean)
                choice->addItems({QStringLiteral("False"), QStringLiteral("True")});
            else if (row.kind == PropertyKind::Reference)
                choice->addItems(QStringList{QString()} + row.candidates);
            else
                choice->addItems(row.enumNames);
            choice->setCurrentText(propertyText(row));
            connect(choice, &QComboBox::textActivated, this,
                    [this, path](const QString& text) { editProperty(path, text); });
            setCellWidget(index, 1, choice);
        }
        if (!row.readOnly && row.kind == PropertyKind::String && path == QLatin1String("DisplayFormat"))
            addDisplayFormatChoice(index, row);
        if (!row.readOnly && row.kind == PropertyKind::Set) {
            // One checkable flag per element; each toggle is one edit.
            auto* flags = new QToolButton(this);
            flags->setText(propertyText(row));
            flags->setPopupMode(QToolButton::InstantPopup);
            auto* menu = new QMenu(flags);
            const unsigned bits = row.value.toUInt();
            for (int bit = 0; bit < row.enumNames.size(); ++bit) {
                QAction* element = menu->addAction(row.enumNames.at(bit));
                element->setCheckable(true);
                element->setChecked(bits & (1u << bit));
                connect(element, &QAction::toggled, this, [this, path, bits, bit](bool on) {
                    setFlag(path, on ? bits | (1u << bit) : bits & ~(1u << bit));
                });
            }
            flags->setMenu(menu);
            setCellWidget(index, 1, flags);
        }
    }
    filling_ = false;
}

void PropertyPanel::addDisplayFormatChoice(int index, const PropertyRow& row) {
    auto* component = dynamic_cast<TppComponent*>(object_);
    if (!component)
        return;
    auto* choice = new QComboBox(this);
    choice->setEditable(true);
    choice->addItems(displayFormatChoices(*component, onGetDisplayFormats));
    choice->setCurrentText(row.value.toString());
    const QString path = row.path;
    connect(choice, &QComboBox::textActivated, this,
            [this, path](const QString& text) { editProperty(path, text); });
    // A picture typed by hand counts once the box is left, as in the other cells.
    connect(choice->lineEdit(), &QLineEdit::editingFinished, this, [this, path, choice] {
        if (object_ && PropertyCommand::read(*object_, path).toString() != choice->currentText())
            editProperty(path, choice->currentText());
    });
    setCellWidget(index, 1, choice);
}

int PropertyPanel::rowOf(const QString& path) const {
    for (int index = 0; index < rows_.size(); ++index)
        if (rows_.at(index).path.compare(path, Qt::CaseInsensitive) == 0)
            return index;
    return -1;
}

void PropertyPanel::cellEdited(int row, int column) {
    if (filling_ || column != 1 || row < 0 || row >= rows_.size())
        return;
    editProperty(rows_.at(row).path, item(row, 1)->text());
}

void PropertyPanel::editProperty(const QString& path, const QString& text) {
    const int row = rowOf(path);
    if (!object_ || row < 0)
        return;
    try {
        if (const auto value = propertyValue(rows_.at(row), text))
            controller_.setProperty(*object_, rows_.at(row).path, *value);
    } catch (const std::exception& error) {
        if (controller_.onError)
            controller_.onError(QString::fromUtf8(error.what()));
    }
    // Deferred: the edit came from one of the cells that a refresh replaces.
    QMetaObject::invokeMethod(this, &PropertyPanel::refresh, Qt::QueuedConnection);
}

void PropertyPanel::setFlag(const QString& path, unsigned bits) {
    if (!object_)
        return;
    try {
        controller_.setProperty(*object_, path, QVariant(bits));
    } catch (const std::exception& error) {
        if (controller_.onError)
            controller_.onError(QString::fromUtf8(error.what()));
    }
    QMetaObject::invokeMethod(this, &PropertyPanel::refresh, Qt::QueuedConnection);
}
