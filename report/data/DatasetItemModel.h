#pragma once

#include "Dataset.h"
#include "FormatSettings.h"

#include <QAbstractTableModel>
#include <QPointer>

// A read-only table model over a dataset, for grids: one column per field with
// the field name as its title, one row per record, and the current record
// marked in the vertical header.
class DatasetItemModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    DatasetItemModel(Dataset* dataset, FormatSettings settings, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void currentMoved();

    QPointer<Dataset> dataset_;
    FormatSettings settings_;
    int markedRow_ = -1;
};
