#pragma once

#include "DataSource.h"
#include "MemoryTable.h"
#include "TppDBPipeline.h"

#include <memory>

// A table of a text, a number, a memo and a picture field, with a pipeline
// over it on the form: "plCustomers", user name "Customers".
class ScheduleData {
public:
    TppDBPipeline* pipeline(OwnedComponent& form) {
        table_ = std::make_unique<MemoryTable>();
        table_->setFieldDefs({{"Country", FieldType::String, 10, 10},
                              {"Amount", FieldType::Float, 0, 8},
                              {"Notes", FieldType::Memo, 0, 0},
                              {"Photo", FieldType::Blob, 0, 0}});
        table_->open();
        auto* pipeline = new TppDBPipeline(&form);
        pipeline->SetName("plCustomers");
        pipeline->SetUserName("Customers");
        pipeline->SetDataSource(new DataSource(&form, table_.get()));
        return pipeline;
    }

private:
    std::unique_ptr<MemoryTable> table_;
};
