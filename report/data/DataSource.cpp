#include "DataSource.h"

#include "ClassBuilder.h"
#include "Dataset.h"

const ClassInfo& DataSource::staticClassInfo() {
    static const ClassInfo info =
        describeClass<DataSource>("TDataSource", &TppCommunicator::staticClassInfo(), [](auto&) {});
    return info;
}

DataSource::DataSource(OwnedComponent* owner, Dataset* dataset) : TppCommunicator(owner), dataset_(dataset) {}

DataSource::~DataSource() {
    markDestroying();
}

void DataSource::setDataset(Dataset* dataset) {
    if (dataset == dataset_)
        return;
    dataset_ = dataset;
    BroadcastNotification(this, ppopDataSourceChange);
}
