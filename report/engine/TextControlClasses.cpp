#include "TextControlClasses.h"

#include "ClassRegistry.h"
#include "RichTextDrawing.h"
#include "TppCalc.h"
#include "TppCustomMemo.h"
#include "TppCustomRichText.h"
#include "TppCustomText.h"
#include "TppCustomVariable.h"
#include "TppDBCalc.h"
#include "TppDBMemo.h"
#include "TppDBRichText.h"
#include "TppDBText.h"
#include "TppLabel.h"
#include "TppMemo.h"
#include "TppRichText.h"
#include "TppSystemVariable.h"
#include "TppVariable.h"

void registerTextControlClasses() {
    ClassRegistry& registry = ClassRegistry::instance();
    for (const ClassInfo* info : {
             &TppCustomText::staticClassInfo(),
             &TppLabel::staticClassInfo(),
             &TppDBText::staticClassInfo(),
             &TppCustomMemo::staticClassInfo(),
             &TppMemo::staticClassInfo(),
             &TppDBMemo::staticClassInfo(),
             &TppCustomRichText::staticClassInfo(),
             &TppRichText::staticClassInfo(),
             &TppDBRichText::staticClassInfo(),
             &TppCustomVariable::staticClassInfo(),
             &TppSystemVariable::staticClassInfo(),
             &TppVariable::staticClassInfo(),
             &TppDBCalc::staticClassInfo(),
             &TppCalc::staticClassInfo(),
         })
        registry.registerClass(*info);
    registerRichTextRenderer();
}
