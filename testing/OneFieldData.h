#pragma once

#include "DataSource.h"
#include "MemoryTable.h"
#include "TppDBPipeline.h"

#include <memory>

// A table of one field "F" for components bound to data.
class OneFieldData {
public:
    // The values in a fresh table, and a pipeline over it owned by `form`,
    // on its first record. A pipeline asked for earlier must no longer be read.
    TppDBPipeline* pipeline(OwnedComponent& form, FieldType type, const QVariantList& values) {
        table_ = std::make_unique<MemoryTable>();
        table_->setFieldDefs({{"F", type, type == FieldType::String ? 20 : 0, 0}});
        table_->open();
        for (const QVariant& value : values) {
            table_->append();
            table_->setValue(0, value);
            table_->post();
        }
        auto* pipeline = new TppDBPipeline(&form);
        pipeline->SetDataSource(new DataSource(&form, table_.get()));
        pipeline->Open();
        pipeline->First();
        return pipeline;
    }

private:
    std::unique_ptr<MemoryTable> table_;
};
