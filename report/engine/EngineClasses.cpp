#include "EngineClasses.h"

#include "ClassRegistry.h"
#include "DataPipelineClasses.h"
#include "OutputClasses.h"
#include "TextControlClasses.h"
#include "TppCustomComponent.h"
#include "TppStretchable.h"

void registerEngineClasses() {
    registerDataPipelineClasses();
    registerOutputClasses();
    ClassRegistry& registry = ClassRegistry::instance();
    for (const ClassInfo* info : {
             &TppCustomComponent::staticClassInfo(),
             &TppStretchable::staticClassInfo(),
         })
        registry.registerClass(*info);
    registerTextControlClasses();
}
