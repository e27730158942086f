#pragma once

#include "TppCommunicator.h"

#include <QPointer>

class Dataset;

// Names the dataset that pipelines and grids read. Pipelines point at a data
// source, not at the dataset, so the dataset behind it can be swapped; they
// hear of the swap as ppopDataSourceChange.
class DataSource : public TppCommunicator {
public:
    PW_CLASS_INFO

    explicit DataSource(OwnedComponent* owner = nullptr, Dataset* dataset = nullptr);
    ~DataSource() override;

    Dataset* dataset() const { return dataset_; }
    void setDataset(Dataset* dataset);

private:
    QPointer<Dataset> dataset_;
};
