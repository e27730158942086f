#pragma once

// The second argument of TppCommunicator::Notify.
enum TppNotifyOperation {
    ppopRemove = 0,           // the sender is being destroyed: drop every link to it
    ppopDataSourceChange = 1, // the sender's underlying data source changed
    ppopDataChange = 2,       // the sender's data, or the pipeline it uses, changed
    ppopUserNameChange = 3,   // the sender's UserName changed
    ppopReplacingLayout = 4,  // the report's layout is about to be replaced by a template
    ppopLayoutRebuilt = 5     // the report has rebuilt its layout
};
