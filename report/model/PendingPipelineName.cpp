#include "PendingPipelineName.h"

#include "TppDataPipeline.h"

TppDataPipeline* PendingPipelineName::take(const OwnedComponent* scope) {
    if (name_.isEmpty())
        return nullptr;
    TppDataPipeline* pipeline = TppDataPipeline::FindByName(scope, name_);
    name_.clear();
    return pipeline;
}
