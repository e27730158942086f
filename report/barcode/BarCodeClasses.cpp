#include "BarCodeClasses.h"

#include "BarCodeDrawing.h"
#include "ClassRegistry.h"
#include "EngineClasses.h"
#include "TppBarCode.h"
#include "TppDBBarCode.h"

void registerBarCodeClasses() {
    registerEngineClasses();
    ClassRegistry& registry = ClassRegistry::instance();
    for (const ClassInfo* info : {
             &TppCustomBarCode::staticClassInfo(),
             &TppBarCode::staticClassInfo(),
             &TppDBBarCode::staticClassInfo(),
         })
        registry.registerClass(*info);
    registerBarCodeRenderer();
}
