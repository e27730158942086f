#include "DataPipelineClasses.h"

#include "ClassRegistry.h"
#include "DataSource.h"
#include "ReportModelClasses.h"
#include "TppDBPipeline.h"
#include "TppField.h"
#include "TppMasterFieldLink.h"

void registerDataPipelineClasses() {
    registerReportModelClasses();
    ClassRegistry& registry = ClassRegistry::instance();
    for (const ClassInfo* info : {&TppDBPipeline::staticClassInfo(), &TppField::staticClassInfo(),
                                  &TppMasterFieldLink::staticClassInfo(), &DataSource::staticClassInfo()})
        registry.registerClass(*info);
}
