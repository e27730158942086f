#include "DesignerClasses.h"

#include "ClassRegistry.h"
#include "DesignerScriptObjects.h"
#include "TppDesigner.h"

void registerDesignerClasses() {
    ClassRegistry::instance().registerClass(TppDesigner::staticClassInfo());
    shareDesignerWithScripts();
}
