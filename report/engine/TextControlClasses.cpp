#include "TextControlClasses.h"

#include "ClassRegistry.h"
#include "RichTextDrawing.h"
#include "TppCustomMemo.h"
#include "TppCustomRichText.h"
#include "TppCustomText.h"
#include "TppCustomVariable.h"
#include "TppDBMemo.h"
#include "TppDBRichText.h"
#include "TppDBText.h"
#include "TppLabel.h"
#include "TppMemo.h"
#include "TppRichText.h"
#include "TppSystemVariable.h"

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
         })
        registry.registerClass(*info);
    registerRichTextRenderer();
}
