#include "DatasetItemModel.h"

DatasetItemModel::DatasetItemModel(Dataset* dataset, FormatSettings settings, QObject* parent)
    : QAbstractTableModel(parent), dataset_(dataset), settings_(std::move(settings)) {
    connect(dataset, &Dataset::contentChanged, this, [this] {
        beginResetModel();
        markedRow_ = dataset_ ? dataset_->recNo() : -1;
        endResetModel();
    });
    connect(dataset, &Dataset::currentChanged, this, &DatasetItemModel::currentMoved);
    connect(dataset, &QObject::destroyed, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int DatasetItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !dataset_ || !dataset_->isActive() ? 0 : dataset_->recordCount();
}

int DatasetItemModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !dataset_ ? 0 : int(dataset_->fieldDefs().size());
}

QVariant DatasetItemModel::data(const QModelIndex& index, int role) const {
    if (!dataset_ || !index.isValid())
        return {};
    const FieldDef& def = dataset_->fieldDefs().at(index.column());
    const QVariant value = dataset_->valueAt(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return fieldDisplayText(value, def.type, settings_);
    case Qt::TextAlignmentRole:
        switch (def.type) {
        case FieldType::Integer:
        case FieldType::LargeInt:
        case FieldType::Float:
        case FieldType::Currency:
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        }
    default:
        return {};
    }
}

QVariant DatasetItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || !dataset_)
        return {};
    if (orientation == Qt::Horizontal)
        return section < dataset_->fieldDefs().size() ? dataset_->fieldDefs()[section].name : QString();
    return section == markedRow_ ? QStringLiteral("\u25B6") : QString();
}

void DatasetItemModel::currentMoved() {
    const int previous = std::exchange(markedRow_, dataset_ ? dataset_->recNo() : -1);
    const int rows = rowCount();
    for (int row : {previous, markedRow_})
        if (row >= 0 && row < rows)
            emit headerDataChanged(Qt::Vertical, row, row);
}
